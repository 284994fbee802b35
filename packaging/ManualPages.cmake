# The manuals vorlint(1) and vorlint-cli(1), made by help2man from the programs' own --help and
# --version at build time, so that they describe the programs as built. The hand-written sections
# (files, examples, see also) are in docs/man/PROGRAM.h2m.
find_program(HELP2MAN help2man)
if(NOT HELP2MAN)
  message(WARNING "help2man not found (scripts/install-deps installs it): the manual pages are not built")
  return()
endif()

# The programs run from the build folder; under the sanitizers of the test build their leak reports
# must not end up in a manual.
set(run_built ${CMAKE_COMMAND} -E env LC_ALL=C ASAN_OPTIONS=detect_leaks=0)

# vorlint_add_manual(TARGET NAME-LINE [INCLUDES generated.h2m...])
function(vorlint_add_manual target name)
  cmake_parse_arguments(M "" "" "INCLUDES" ${ARGN})
  set(page ${CMAKE_CURRENT_BINARY_DIR}/${target}.1)
  set(includes ${PROJECT_SOURCE_DIR}/docs/man/${target}.h2m ${M_INCLUDES})
  list(TRANSFORM includes PREPEND --include= OUTPUT_VARIABLE include_options)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${run_built} ${HELP2MAN} --no-info --section=1 --name=${name} ${include_options} --output=${page}
            $<TARGET_FILE:${target}>
    COMMAND gzip -9 -n -f ${page}
    DEPENDS ${target} ${includes}
    VERBATIM)
  add_custom_target(${target}_manual ALL DEPENDS ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

set(command_sections ${CMAKE_CURRENT_BINARY_DIR}/vorlint-cli-commands.h2m)
add_custom_command(OUTPUT ${command_sections}
  COMMAND ${run_built} ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:vorlint-cli> -DOUTPUT=${command_sections}
          -P ${CMAKE_CURRENT_SOURCE_DIR}/CommandHelpSections.cmake
  DEPENDS vorlint-cli CommandHelpSections.cmake
  VERBATIM)
vorlint_add_manual(vorlint-cli "evaluate Vorlint formulas and run simulations from the command line"
                   INCLUDES ${command_sections})
if(VORLINT_BUILD_GUI)
  vorlint_add_manual(vorlint "simulate, in real time, a process regulated by a PID controller")
endif()
