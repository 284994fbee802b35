#include "Harnesses.h"
#include "Invariant.h"

#include "StepResponseFigures.h"
#include "VrlDocument.h"
#include "VrlJson.h"

#include <cmath>
#include <string>

using namespace fuzz;

namespace {

void checkEvents(const std::vector<ScheduledEvent>& events) {
    for (const ScheduledEvent& event : events) {
        require(std::isfinite(event.atS) && event.atS >= 0.0, "an event's time is finite and not negative");
        require(event.change.row != nullptr && event.change.row->fileKey != nullptr,
                "an event changes a setting of the file");
    }
}

void checkDocument(const VrlDocument& document) {
    require(!document.windows.empty() && document.windows.size() <= VrlDocument::kMaxWindows,
            "a read file has 1 to 100 windows");
    for (const VrlWindowSetup& window : document.windows) {
        for (const SettingChange& change : window.settings)
            require(change.row != nullptr && change.row->fileKey != nullptr,
                    "a window setting has a file key");
        checkEvents(window.events);
    }
    checkEvents(document.exercise.events);
    for (const ExerciseCheck& check : document.exercise.checks) {
        require(check.figure < kStepResponseFigureFields.size(), "a check names a figure");
        require(check.window <= 100 && check.min <= check.max, "a check's window and limits are in range");
    }
}

/// What the writer gives for a read document reads back, and writes again to the same text.
void checkWrittenReadsBack(const VrlDocument& document) {
    std::string written;
    std::string problem;
    if (!writeVrlDocument(document, written, problem))
        return;
    VrlDocument again;
    require(readVrlDocument(written, again, problem), "what is written reads back", problem);
    std::string rewritten;
    require(writeVrlDocument(again, rewritten, problem) && rewritten == written,
            "a written file writes again to the same text", written);
}

} // namespace

void FuzzVrlFile(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    WorkTimer timer;
    VrlDocument document;
    std::string problem;
    const bool read = readVrlDocument(text, document, problem);
    require(read == problem.empty(), "a refusal says why", problem);
    nlohmann::json value;
    std::string jsonError;
    if (!parseVrlJson(text, value, jsonError))
        require(!read || text.empty(), "no file is read from text that is not JSON", jsonError);
    if (read) {
        checkDocument(document);
        checkWrittenReadsBack(document);
    }
    VrlDocument again;
    std::string problemAgain;
    require(readVrlDocument(text, again, problemAgain) == read && problemAgain == problem,
            "reading is deterministic");
    timer.check("reading a .vrl file", text);
}
