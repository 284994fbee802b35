#pragma once

#include <QByteArray>
#include <QString>

// A file's name is bytes; Qt turns the bytes that are not UTF-8 into replacement characters, after
// which the name finds no file. These two keep such a byte as one of the lone low surrogates
// U+DC80..U+DCFF, which no valid name decodes to, and give it back when the file is opened.

/// The name of the raw bytes `name` (a command-line argument), each byte that is not part of valid
/// UTF-8 kept as U+DC00 plus the byte.
QString DecodeFileName(const QByteArray& name);

/// The bytes of a name DecodeFileName gave (any other name: its UTF-8).
QByteArray EncodeFileName(const QString& name);

/// Whether Qt's own file classes reach the file `name` names: false for a name with kept bytes.
bool QtReachesFileName(const QString& name);

/// The absolute path of `name`, kept bytes and all (QFileInfo loses them on a relative name).
QString AbsoluteFileName(const QString& name);
