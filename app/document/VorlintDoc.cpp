#include "VorlintDoc.h"

#include "ChildFrame.h"
#include "ExerciseToJson.h"
#include "MdiChild.h"
#include "VorlintView.h"
#include "VrlFile.h"
#include "WindowSettingsJson.h"

#include <QCoreApplication>

#include <algorithm>

bool CVorlintDoc::CanAddFrame(QString& why) const {
    if (VrlContent::FitsWindowCount(static_cast<qint64>(Frames().size()) + 1))
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
    frame.SetUnknownSettings(ApplyWindowSettings(m_pendingWindows.front(), *frame.View()));
    m_pendingWindows.pop_front();
    frame.Frame()->ExchangePanels(false);
}

void CVorlintDoc::SetExercise(const std::optional<Exercise>& exercise) {
    if (exercise)
        m_unknownKeys.insert(kVrlExerciseKey,
                             ExerciseToJson(*exercise, m_unknownKeys.value(kVrlExerciseKey).toObject()));
    else
        m_unknownKeys.remove(kVrlExerciseKey);
    m_exercise = exercise;
    SetModifiedFlag();
    ApplyPlantHiding();
}

void CVorlintDoc::ApplyPlantHiding() {
    for (CMdiChild* frame : Frames())
        frame->View()->SetPlantHidden(HidesPlant());
}

bool CVorlintDoc::Serialize(QIODevice& file, bool storing, QString& problem) {
    VrlContent content;
    if (storing) {
        content.unknownKeys = m_unknownKeys;
        for (CMdiChild* frame : Frames())
            content.windows.push_back(WindowSettingsToJson(*frame->View(), frame->UnknownSettings()));
        return WriteVrl(file, content, problem);
    }
    if (!ReadVrl(file, content, problem))
        return false;
    m_unknownKeys = content.unknownKeys;
    Exercise exercise;
    m_exercise.reset();
    if (VrlExercise(content, exercise))
        m_exercise = exercise;
    m_pendingWindows.assign(content.windows.begin(), content.windows.end());
    return true;
}
