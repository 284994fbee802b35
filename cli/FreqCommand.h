#pragma once

#include "CliStreams.h"
#include "CommandLine.h"

/// `vorlint-cli freq [OPTIONS]`: linearises the plant at an operating point and prints the loop's
/// margins, the plant's ultimate point and the Bode curves of the plant and the loop.
int RunFreqCommand(const Arguments& args, const CliStreams& streams);
