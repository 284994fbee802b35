#pragma once

#include "CliStreams.h"
#include "CommandLine.h"

/// `vorlint-cli tune --method relay|step [OPTIONS]`: runs a tuning experiment headless and prints the
/// identified model and every rule's gains with their predicted response figures.
int RunTuneCommand(const Arguments& args, const CliStreams& streams);
