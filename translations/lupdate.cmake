# Runs lupdate over the texts of the interface (app/, sim/ and the engine's messages: the toolkit-free
# files mark theirs with QT_TRANSLATE_NOOP) for every translation.
#
#   cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<repository> -P translations/lupdate.cmake
#       brings translations/*.ts up to date: new texts come in unfinished, texts gone from the
#       sources leave.
#   cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<repository> -DCHECK_DIR=<scratch folder> -P ...
#       updates copies in CHECK_DIR instead and fails when a text lacks its translation
#       ("unfinished") or a translation lost its text ("vanished", "obsolete").
file(GLOB ts_files ${SOURCE_DIR}/translations/*.ts)
set(keep_obsolete)
if(DEFINED CHECK_DIR)
  file(REMOVE_RECURSE ${CHECK_DIR})
  file(COPY ${ts_files} DESTINATION ${CHECK_DIR})
  file(GLOB ts_files ${CHECK_DIR}/*.ts)
else()
  set(keep_obsolete -no-obsolete)
endif()

execute_process(
  COMMAND ${LUPDATE} -silent -locations none -extensions cpp,h ${keep_obsolete}
          ${SOURCE_DIR}/app ${SOURCE_DIR}/sim ${SOURCE_DIR}/engine/ErrorTables.cpp -ts ${ts_files}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${result}")
endif()

if(DEFINED CHECK_DIR)
  set(failures)
  foreach(ts IN LISTS ts_files)
    get_filename_component(name ${ts} NAME)
    file(READ ${ts} content)
    # One list item per <message> element (a semicolon would split one).
    string(REPLACE ";" "&#59;" content "${content}")
    string(REGEX MATCHALL "<message([^<]|<[^/]|</[^m])*</message>" messages "${content}")
    foreach(message IN LISTS messages)
      if(message MATCHES "type=\"(unfinished|vanished|obsolete)\"")
        set(state ${CMAKE_MATCH_1})
        string(REGEX MATCH "<source>[^<]*</source>" source "${message}")
        list(APPEND failures "${name}: ${state}: ${source}")
      endif()
    endforeach()
  endforeach()
  if(failures)
    list(JOIN failures "\n" text)
    message(FATAL_ERROR "Translations to fill in (cmake --build <build folder> --target "
                        "update_translations, then Qt Linguist):\n${text}")
  endif()
endif()
