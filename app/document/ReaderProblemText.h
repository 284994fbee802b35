#pragma once

#include <QString>

#include <string>

/// What the toolkit-free readers of events and exercises found wrong, in the interface's language. They
/// say it in English, as the command line prints it ("checks[1].min: above max", "[0].atS: expected a
/// finite number of 0 or more"); the path stays as it is, since it names the file's own keys.
QString ReaderProblemText(const std::string& problem);
