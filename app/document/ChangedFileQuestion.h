#pragma once

#include <QString>

enum class ChangedFileAnswer { Overwrite, SaveAs, Cancel };

/// Asks what to do with the file `pathName`, which another program changed since the document read or
/// wrote it: overwrite it, save under another name, or cancel.
ChangedFileAnswer AskAboutChangedFile(const QString& pathName);
