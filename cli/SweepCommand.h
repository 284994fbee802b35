#pragma once

#include "CliStreams.h"
#include "CommandLine.h"

/// `vorlint-cli sweep --kp FROM:TO:COUNT [OPTIONS]`: runs every combination of gain ranges from rest to
/// the set point, in parallel, and prints one CSV row of response figures per combination.
int RunSweepCommand(const Arguments& args, const CliStreams& streams);
