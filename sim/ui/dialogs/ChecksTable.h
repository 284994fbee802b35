#pragma once

#include "Exercise.h"
#include "RowsEditor.h"

#include <cstddef>
#include <vector>

/// An exercise's checks as a table: the figure, its lowest and highest value and the window held to it,
/// each of the three left blank for none (the window 0 too: every window). Every figure's name fits, and
/// each limit shows its figure's unit.
class CChecksTable : public CRowsEditor {
    Q_OBJECT

public:
    /// The checks of a document of `windowCount` windows.
    CChecksTable(const std::vector<ExerciseCheck>& checks, std::size_t windowCount,
                 QWidget* parent = nullptr);

    /// The checks as the table holds them; false with what is wrong, in the interface's language, for a
    /// number that is not one, a minimum above its maximum or a window the document does not have.
    bool ReadChecks(std::vector<ExerciseCheck>& checks, QString& problem) const;

protected:
    void AddNewRow() override;

private:
    void FitFigureNames();
    void AddRow(const ExerciseCheck& check);
    /// Each limit of `row` shows the unit of the row's figure.
    void ShowUnits(int row);
    bool ReadRow(int row, ExerciseCheck& check, QString& problem) const;

    std::size_t m_windowCount;
};
