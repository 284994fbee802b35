#pragma once

#include "Exercise.h"
#include "ScheduledEvent.h"

#include <string>
#include <vector>

// A `.vrl` file as a run without a window takes it (docs/vrl-format.md): each window's settings and
// events, and the exercise. The application reads the same file with its toolkit's JSON and keeps
// what this leaves out (the keys it does not know).

/// One window of the file: its settings in the order they are applied, and its scheduled events.
struct VrlWindowSetup {
    std::vector<SettingChange> settings;
    std::vector<ScheduledEvent> events;
};

struct VrlDocument {
    static constexpr int kVersion = 1;
    static constexpr std::size_t kMaxWindows = 100;

    std::vector<VrlWindowSetup> windows; ///< at least one once read
    bool hasExercise = false;
    Exercise exercise;
};

/// Reads the whole text of a `.vrl` file. An empty text, and a file without windows, give one window
/// with default settings. False with what is wrong in `problem` ("windows[0].kp: expected a finite
/// number") for text that is not JSON, has another format or a newer version, or holds a value of the
/// wrong type or out of range.
bool readVrlDocument(const std::string& text, VrlDocument& document, std::string& problem);
