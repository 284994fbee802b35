#pragma once

#include "CliStreams.h"
#include "CommandLine.h"

/// The whole of `vorlint-cli`: `args` are the arguments after the program's name, the first of them
/// the command. Returns the exit status.
int RunCli(const Arguments& args, const CliStreams& streams);
