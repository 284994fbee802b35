#pragma once

#include "CliStreams.h"
#include "CommandLine.h"

/// `vorlint-cli check FILE.vrl`: runs each window of the file from rest with the exercise's events and
/// prints each check of the exercise against the window's latest step response.
int RunCheckCommand(const Arguments& args, const CliStreams& streams);
