#pragma once

#include "CliStreams.h"
#include "CommandLine.h"

/// The whole of `vorlint-cli`: `args` are the arguments after the program's name, the first of them
/// the command. Returns the exit status. A command that runs out of memory ends with a message and
/// kExitFailure, never with a terminate.
int RunCli(const Arguments& args, const CliStreams& streams);
/// The same from main's own arguments, the program's name first.
int RunCli(int argc, char** argv, const CliStreams& streams);
