# Installs the build into a fresh prefix and checks that a desktop gets everything it needs:
# cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
  bin/vorlint
  share/applications/org.vorlint.Vorlint.desktop
  share/mime/packages/vorlint.xml
  share/icons/hicolor/scalable/apps/org.vorlint.Vorlint.svg
  share/icons/hicolor/48x48/apps/org.vorlint.Vorlint.png
  share/vorlint/constants.dat
  share/vorlint/units.dat)
foreach(file IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

file(READ "${PREFIX}/share/applications/org.vorlint.Vorlint.desktop" desktop)
foreach(line "Exec=vorlint %f" "MimeType=application/x-vorlint;" "Icon=org.vorlint.Vorlint" "Path=${PREFIX}/share/vorlint")
  string(FIND "${desktop}" "${line}\n" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks: ${line}")
  endif()
endforeach()
file(READ "${PREFIX}/share/mime/packages/vorlint.xml" mime)
string(FIND "${mime}" "<glob pattern=\"*.vrl\"/>" found)
if(found EQUAL -1)
  message(FATAL_ERROR "the MIME type lacks the *.vrl glob")
endif()
file(REMOVE_RECURSE "${PREFIX}")
