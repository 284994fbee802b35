#pragma once

#include "CliStreams.h"
#include "CommandLine.h"

/// `vorlint-cli eval [OPTIONS] [FORMULA]`: evaluates formulas and prints one status line each.
int RunEvalCommand(const Arguments& args, const CliStreams& streams);
