#include "VorlintDoc.h"

#include "ChildFrame.h"
#include "MdiChild.h"
#include "VorlintView.h"
#include "VrlFile.h"
#include "WindowSetup.h"

#include <QCoreApplication>

#include <algorithm>

bool CVorlintDoc::CanAddFrame(QString& why) const {
    if (Frames().size() + 1 <= VrlDocument::kMaxWindows)
        return true;
    why = QCoreApplication::translate(
              "CVorlintDoc", "Este documento já tem %1 janelas, o máximo que um arquivo do Vorlint guarda.")
              .arg(Frames().size());
    return false;
}

std::size_t CVorlintDoc::InitialWindowCount() const {
    return std::max<std::size_t>(1, m_pendingWindows.size());
}

void CVorlintDoc::OnInitialUpdateFrame(CMdiChild& frame) {
    frame.View()->SetPlantHidden(HidesPlant());
    if (m_pendingWindows.empty())
        return;
    frame.SetUnknownSettings(ApplyWindowSetup(m_pendingWindows.front(), *frame.View()));
    m_pendingWindows.pop_front();
    frame.Frame()->ExchangePanels(false);
}

void CVorlintDoc::SetExercise(const std::optional<Exercise>& exercise) {
    const std::optional<Exercise> before = m_exercise;
    m_exercise = exercise;
    ++m_exerciseRevision;
    // The editor shows the words, the run and the checks; what it does not show stays as it was.
    if (m_exercise && before) {
        m_exercise->locked = before->locked;
        m_exercise->hasVariantSeed = before->hasVariantSeed;
        m_exercise->variantSeed = before->variantSeed;
        m_exercise->variants = before->variants;
    }
    SetModifiedFlag();
    ApplyPlantHiding();
}

void CVorlintDoc::ApplyPlantHiding() {
    for (CMdiChild* frame : Frames())
        frame->View()->SetPlantHidden(HidesPlant());
}

bool CVorlintDoc::Serialize(QIODevice& file, bool storing, QString& problem) {
    if (storing) {
        VrlDocument document = m_file;
        document.hasExercise = m_exercise.has_value();
        document.exercise = m_exercise.value_or(Exercise());
        for (CMdiChild* frame : Frames())
            document.windows.push_back(CollectWindowSetup(*frame->View(), frame->UnknownSettings()));
        return WriteVrl(file, document, problem);
    }
    VrlDocument document;
    if (!ReadVrl(file, document, problem))
        return false;
    m_pendingWindows.assign(document.windows.begin(), document.windows.end());
    document.windows.clear();
    m_exercise.reset();
    if (document.hasExercise)
        m_exercise = document.exercise;
    ++m_exerciseRevision;
    m_file = std::move(document);
    return true;
}
