# Writes a help2man include file with a section that holds, for every command vorlint-cli's --help
# lists, the command's own --help as printed, so that the manual describes every option of every command.
#   cmake -DPROGRAM=path/to/vorlint-cli -DOUTPUT=file.h2m -P CommandHelpSections.cmake

function(run_help output_var)
  execute_process(COMMAND ${PROGRAM} ${ARGN} --help OUTPUT_VARIABLE text RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${ARGN} --help failed: ${result}")
  endif()
  set(${output_var} "${text}" PARENT_SCOPE)
endfunction()

# The help as roff lines shown as they are: backslashes and minus signs escaped, and lines that begin
# with a dot or a quote kept from being read as requests.
function(as_roff_example text output_var)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${output_var} ".EX\n${text}.EE\n" PARENT_SCOPE)
endfunction()

run_help(help)
# The command names: the first word of each line of the "Commands:" paragraph.
string(REGEX MATCH "\nCommands:\n(( +[^\n]*\n)+)" paragraph "${help}")
string(REGEX REPLACE "\n$" "" lines "${CMAKE_MATCH_1}")
string(REPLACE "\n" ";" lines "${lines}")
if(NOT lines)
  message(FATAL_ERROR "${PROGRAM} --help lists no commands")
endif()

set(include "[COMMANDS]\n")
foreach(line IN LISTS lines)
  string(REGEX MATCH "[^ ]+" command "${line}")
  run_help(command_help ${command})
  as_roff_example("${command_help}" example)
  string(APPEND include ".SS \"vorlint\\-cli ${command}\"\n${example}")
endforeach()
file(WRITE ${OUTPUT} "${include}")
