#pragma once

#include "CommandLine.h"

/// `vorlint-cli handout MASTER.vrl ROSTER.csv OUTDIR`: writes each student's copy of an exercise.
int RunHandoutCommand(const Arguments& args, const CliStreams& streams);
