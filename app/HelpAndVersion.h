#pragma once

/// Answers "--help" and "--version" with Qt's command-line parser, before any window system is
/// reached, so that both work without a display (in a terminal over ssh, or for help2man).
/// When either is asked for, prints the answer and ends the program; otherwise does nothing.
void AnswerHelpOrVersion(int argc, char** argv);
