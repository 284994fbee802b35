#pragma once

#include "Document.h"
#include "Exercise.h"

#include <QJsonObject>

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
    /// Gives the document `exercise`, or takes its exercise away for none, and marks it modified.
    void SetExercise(const std::optional<Exercise>& exercise);
    /// Hides or shows the plant in every window of the document as the exercise now says.
    void ApplyPlantHiding();

protected:
    bool Serialize(QIODevice& file, bool storing, QString& problem) override;

private:
    bool HidesPlant() const { return m_exercise && m_exercise->hidePlant; }

    /// The windows' objects read from the file that no window has taken yet.
    std::deque<QJsonObject> m_pendingWindows;
    /// Keys of the file's top level this version does not know, written back on save.
    QJsonObject m_unknownKeys;
    /// Read from m_unknownKeys once, for the exercise dock's ten refreshes a second.
    std::optional<Exercise> m_exercise;
};
