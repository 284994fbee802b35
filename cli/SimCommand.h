#pragma once

#include "CliStreams.h"
#include "CommandLine.h"

/// `vorlint-cli sim [OPTIONS]`: runs one simulation headless and writes its history as CSV.
int RunSimCommand(const Arguments& args, const CliStreams& streams);
