#pragma once

#include "Exercise.h"

#include <QJsonObject>
#include <QString>

#include <vector>

class QIODevice;

/// The key of the exercise among the top level's keys.
inline constexpr QLatin1String kVrlExerciseKey("exercise");

/// What a `.vrl` file keeps: `{"format": "vorlint", "version": 1, "windows": [...]}`, one object per
/// simulation window in window order (docs/vrl-format.md lists every key).
struct VrlContent {
    static constexpr qint64 kMaxFileSize = 1024 * 1024;
    static constexpr int kVersion = 1;
    /// More windows than anyone arranges on a screen; a file asking for more is refused.
    static constexpr int kMaxWindows = 100;

    // The limits as reading and writing both apply them, so that whatever is written opens again.
    static constexpr bool FitsFileSize(qint64 bytes) { return bytes <= kMaxFileSize; }
    static constexpr bool FitsWindowCount(qint64 windows) { return windows <= kMaxWindows; }

    /// The windows' objects, each checked (its `events` too, which it keeps as it came); at least one once
    /// read.
    std::vector<QJsonObject> windows;
    /// Keys of the top level besides the format, the version and the windows, written back as they came:
    /// the exercise (checked on reading) and keys this version does not know.
    QJsonObject unknownKeys;
};

/// Reads a whole `.vrl` file. The empty file of earlier versions, and a file without windows, give
/// one window with default settings. False with what is wrong in `problem` for a file over
/// kMaxFileSize, one that is not JSON, has another format or a newer version, or holds a value of the
/// wrong type; `content` is then not to be used.
bool ReadVrl(QIODevice& file, VrlContent& content, QString& problem);

/// Writes `content` as compact UTF-8 JSON. The windows and the file's size are checked as reading
/// checks them, so that nothing is written that could not be read back; false with what is wrong in
/// `problem`, and nothing written.
bool WriteVrl(QIODevice& file, const VrlContent& content, QString& problem);

/// The exercise `content` keeps among its unknown keys, checked when it was read; false when it has none.
bool VrlExercise(const VrlContent& content, Exercise& exercise);
