#pragma once

#include "Document.h"
#include "Exercise.h"
#include "VrlDocument.h"

#include <cstdint>
#include <deque>
#include <optional>

/// A Vorlint document: the setup of its simulation windows, kept in a `.vrl` file (VrlFile.h). The
/// windows hold the settings; the document collects them when storing, and when loading hands each
/// new window the settings the file keeps for it, in order.
class CVorlintDoc : public CDocument {
public:
    using CDocument::CDocument;

    /// No more windows than a file keeps, so that the document can always be saved and opened again.
    bool CanAddFrame(QString& why) const override;
    std::size_t InitialWindowCount() const override;
    /// Gives the window the next settings the file kept, and shows them in its panels; hides its plant
    /// when the exercise does.
    void OnInitialUpdateFrame(CMdiChild& frame) override;

    /// The exercise the file holds, or nullptr.
    const Exercise* GetExercise() const { return m_exercise ? &*m_exercise : nullptr; }
    /// Changes whenever the exercise does (read, edited, removed), so that what shows it can tell.
    std::uint64_t ExerciseRevision() const { return m_exerciseRevision; }
    /// Gives the document `exercise`, or takes its exercise away for none, and marks it modified; what
    /// the editor does not show (locked, the plant variants) stays as the document had it.
    void SetExercise(const std::optional<Exercise>& exercise);
    /// Hides or shows the plant in every window of the document as the exercise now says.
    void ApplyPlantHiding();

protected:
    bool Serialize(QIODevice& file, bool storing, QString& problem) override;

private:
    bool HidesPlant() const { return m_exercise && m_exercise->hidePlant; }

    /// The windows read from the file that no window has taken yet.
    std::deque<VrlWindowSetup> m_pendingWindows;
    /// What the file held besides its windows (the student, keys this version does not know, the
    /// exercise's object as it came), written back on save; its windows are the windows'.
    VrlDocument m_file;
    /// The exercise as the editor last gave it, or as read.
    std::optional<Exercise> m_exercise;
    std::uint64_t m_exerciseRevision = 0;
};
