#include "ChecksTable.h"

#include "RangedEdit.h"
#include "StepResponseFigureTexts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

enum Column { FigureColumn, MinColumn, MaxColumn, WindowColumn };

/// The figure's cell keeps a check's atS, which the table does not edit, so that editing keeps it.
const char* const kAtSProperty = "atS";

QComboBox* CreateFigureCombo(std::size_t selected) {
    auto* combo = new QComboBox;
    for (std::size_t figure = 0; figure < kCheckFigureCount; ++figure) {
        combo->addItem(StepResponseFigureName(figure));
        combo->setItemData(static_cast<int>(figure), StepResponseFigureDefinition(figure), Qt::ToolTipRole);
    }
    combo->setCurrentIndex(static_cast<int>(selected));
    return combo;
}

CRangedEdit* CreateLimitEdit(bool has, double limit) {
    auto* edit = new CRangedEdit(NumberRange::Finite);
    if (has)
        edit->SetValue(limit);
    return edit;
}

const CRangedEdit& EditAt(const QTableWidget& table, int row, Column column) {
    return *static_cast<const CRangedEdit*>(table.cellWidget(row, column));
}

/// Shows `unit` at the right end of a limit's edit, where the typed number never runs under it.
void ShowUnit(QLineEdit& edit, const QString& unit) {
    auto* label = edit.findChild<QLabel*>();
    if (label == nullptr) {
        label = new QLabel(&edit);
        auto* layout = new QHBoxLayout(&edit);
        layout->setContentsMargins(0, 0, 4, 0);
        layout->addStretch();
        layout->addWidget(label);
    }
    label->setText(unit);
    const int room = unit.isEmpty() ? 0 : label->fontMetrics().horizontalAdvance(unit) + 6;
    edit.setTextMargins(0, 0, room, 0);
}

} // namespace

CChecksTable::CChecksTable(const std::vector<ExerciseCheck>& checks, std::size_t windowCount, QWidget* parent)
    : CRowsEditor({tr("Figura"), tr("Mínimo"), tr("Máximo"), tr("Janela")}, FigureColumn, parent),
      m_windowCount(windowCount) {
    Table()->horizontalHeaderItem(WindowColumn)->setToolTip(tr("Vazio ou 0: todas as janelas"));
    FitFigureNames();
    for (const ExerciseCheck& check : checks)
        AddRow(check);
}

void CChecksTable::FitFigureNames() {
    // The figure column is as wide as its longest name (and the grid line), and the table as wide as its
    // columns; the window column takes what room is left.
    QTableWidget& table = *Table();
    const std::unique_ptr<QComboBox> probe(CreateFigureCombo(0));
    QHeaderView& header = *table.horizontalHeader();
    header.setSectionResizeMode(FigureColumn, QHeaderView::Fixed);
    header.setSectionResizeMode(WindowColumn, QHeaderView::Stretch);
    table.setColumnWidth(FigureColumn, probe->sizeHint().width() + (table.showGrid() ? 1 : 0));
    int width = 2 * table.frameWidth() + table.verticalScrollBar()->sizeHint().width();
    for (int column = FigureColumn; column <= WindowColumn; ++column)
        width += column == WindowColumn ? header.sectionSizeHint(column) : table.columnWidth(column);
    table.setMinimumWidth(std::max(table.minimumWidth(), width));
}

bool CChecksTable::ReadChecks(std::vector<ExerciseCheck>& checks, QString& problem) const {
    checks.clear();
    for (int row = 0; row < Table()->rowCount(); ++row) {
        ExerciseCheck check;
        if (!ReadRow(row, check, problem)) {
            problem = tr("Verificação %1: %2").arg(row + 1).arg(problem);
            return false;
        }
        checks.push_back(check);
    }
    return true;
}

void CChecksTable::AddNewRow() {
    AddRow(ExerciseCheck());
}

void CChecksTable::AddRow(const ExerciseCheck& check) {
    QTableWidget& table = *Table();
    const int row = table.rowCount();
    table.insertRow(row);
    QComboBox* figure = CreateFigureCombo(check.figure);
    if (check.hasAtS)
        figure->setProperty(kAtSProperty, check.atS);
    table.setCellWidget(row, FigureColumn, figure);
    table.setCellWidget(row, MinColumn, CreateLimitEdit(check.HasMin(), check.min));
    table.setCellWidget(row, MaxColumn, CreateLimitEdit(check.HasMax(), check.max));
    ShowUnits(row);
    connect(figure, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this, figure] { ShowUnits(RowOfWidget(figure, FigureColumn)); });
    CRangedEdit* window = CRangedEdit::WholeNumber(static_cast<std::uint32_t>(m_windowCount));
    if (check.window != 0)
        window->SetValue(static_cast<double>(check.window));
    table.setCellWidget(row, WindowColumn, window);
}

void CChecksTable::ShowUnits(int row) {
    QTableWidget& table = *Table();
    const auto figure = static_cast<std::size_t>(
        static_cast<const QComboBox*>(table.cellWidget(row, FigureColumn))->currentIndex());
    for (Column column : {MinColumn, MaxColumn})
        ShowUnit(*static_cast<QLineEdit*>(table.cellWidget(row, column)), StepResponseFigureUnit(figure));
}

bool CChecksTable::ReadRow(int row, ExerciseCheck& check, QString& problem) const {
    const QTableWidget& table = *Table();
    const auto* figure = static_cast<const QComboBox*>(table.cellWidget(row, FigureColumn));
    check.figure = static_cast<std::size_t>(figure->currentIndex());
    const QVariant atS = figure->property(kAtSProperty);
    check.hasAtS = atS.isValid();
    check.atS = atS.toDouble();
    std::optional<double> min;
    std::optional<double> max;
    std::optional<double> window;
    if (!EditAt(table, row, MinColumn).ReadOptional(min) ||
        !EditAt(table, row, MaxColumn).ReadOptional(max)) {
        problem = tr("um limite não é um número");
        return false;
    }
    if (!EditAt(table, row, WindowColumn).ReadOptional(window)) {
        problem = tr("a janela deve ser um número inteiro de 0 a %1 (vazio ou 0: todas)").arg(m_windowCount);
        return false;
    }
    check.min = min.value_or(check.min);
    check.max = max.value_or(check.max);
    check.window = static_cast<std::size_t>(window.value_or(0.0));
    if (check.min > check.max) {
        problem = tr("o mínimo passa do máximo");
        return false;
    }
    return true;
}
