#pragma once

#include "Exercise.h"
#include "KeptJson.h"
#include "ScheduledEvent.h"

#include <cstddef>
#include <string>
#include <vector>

// A `.vrl` file (docs/vrl-format.md) as every reader takes it: the application, the command line and
// the fuzzer read and write it here, so that a file one accepts the others accept.

/// One window of the file: its settings in the order they are applied, its scheduled events, and the
/// keys of its object the settings table does not know (its events list as it came among them).
struct VrlWindowSetup {
    std::vector<SettingChange> settings;
    std::vector<ScheduledEvent> events;
    KeptJson kept;
};

/// Who a copy of an exercise belongs to.
struct VrlStudent {
    static constexpr std::size_t kMaxCharacters = 200;
    std::string name;
    std::string id;
};

struct VrlDocument {
    static constexpr int kVersion = 1;
    static constexpr std::size_t kMaxWindows = 100;

    std::vector<VrlWindowSetup> windows; ///< at least one once read
    bool hasExercise = false;
    Exercise exercise;
    KeptJson exerciseKept; ///< the exercise's object as read: its unknown keys, its lists as they came
    bool hasStudent = false;
    VrlStudent student;
    KeptJson studentKept;
    KeptJson kept; ///< the top level's keys this version does not know
};

/// Reads the whole text of a `.vrl` file. An empty text, and a file without windows, give one window
/// with default settings. False with what is wrong in `problem` ("windows[0].kp: expected a finite
/// number") for text that is not JSON as the format takes it (VrlJson.h), has another format or a newer
/// version, or holds a value of the wrong type or out of range.
bool readVrlDocument(const std::string& text, VrlDocument& document, std::string& problem);

/// Writes `document` as compact UTF-8 JSON into `text`, the kept keys as they came. False with the
/// problem readVrlDocument would give for what it wrote (a value out of range, too many windows, more
/// than 1 MB), and `text` then empty: nothing is written that could not be read back.
bool writeVrlDocument(const VrlDocument& document, std::string& text, std::string& problem);
