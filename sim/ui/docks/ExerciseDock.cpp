#include "ExerciseDock.h"

#include "StepResponseFigureTexts.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

/// Room for the instructions to wrap in without a title bar wider than the tiled windows allow.
constexpr int kMinimumWidth = 280;

QString LimitsText(const ExerciseCheck& check) {
    const QString min = StepResponseFigureNumber(check.min, check.figure);
    const QString max = StepResponseFigureNumber(check.max, check.figure);
    if (check.HasMin() && check.HasMax())
        return CExerciseDock::tr("de %1 a %2").arg(min, max);
    if (check.HasMin())
        return CExerciseDock::tr("≥ %1").arg(min);
    if (check.HasMax())
        return CExerciseDock::tr("≤ %1").arg(max);
    // Without limits a check asks only that the figure be defined.
    return CExerciseDock::tr("definido");
}

void ShowResult(QLabel& label, bool passes) {
    label.setText(passes ? QStringLiteral("✓") : QStringLiteral("✗"));
    label.setStyleSheet(passes ? QStringLiteral("color: #007000; font-weight: bold")
                               : QStringLiteral("color: #b00000; font-weight: bold"));
}

} // namespace

CExerciseDock::CExerciseDock(QWidget* parent) : QDockWidget(tr("Exercício"), parent) {
    setObjectName(QStringLiteral("exerciseDock"));
    setToolTip(tr("O exercício do documento ativo, com cada verificação aplicada à última resposta "
                  "da janela ativa."));
    auto* content = new QWidget(this);
    auto* column = new QVBoxLayout(content);
    m_pTitle = new QLabel(content);
    m_pTitle->setObjectName(QStringLiteral("exerciseTitle"));
    m_pTitle->setWordWrap(true);
    m_pTitle->setStyleSheet(QStringLiteral("font-weight: bold"));
    m_pInstructions = new QLabel(content);
    m_pInstructions->setObjectName(QStringLiteral("exerciseInstructions"));
    m_pInstructions->setWordWrap(true);
    m_pInstructions->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pChecks = new QGridLayout();
    column->addWidget(m_pTitle);
    column->addWidget(m_pInstructions);
    column->addLayout(m_pChecks);
    column->addStretch(1);
    setWidget(content);
    setMinimumWidth(kMinimumWidth);
    ShowExercise(nullptr, 0, StepResponseFigures());
}

void CExerciseDock::ShowExercise(const Exercise* exercise, std::size_t window,
                                 const StepResponseFigures& figures) {
    m_pTitle->setText(exercise != nullptr ? QString::fromStdString(exercise->title) : tr("Sem exercício"));
    m_pInstructions->setText(exercise != nullptr ? QString::fromStdString(exercise->instructions)
                                                 : QString());
    m_pInstructions->setVisible(!m_pInstructions->text().isEmpty());
    std::vector<ExerciseCheck> applying;
    if (exercise != nullptr) {
        for (const ExerciseCheck& check : exercise->checks) {
            if (check.AppliesTo(window))
                applying.push_back(check);
        }
    }
    ShowChecks(applying, figures);
}

void CExerciseDock::ShowChecks(const std::vector<ExerciseCheck>& checks, const StepResponseFigures& figures) {
    KeepRows(checks.size());
    for (std::size_t i = 0; i < checks.size(); ++i) {
        const ExerciseCheck& check = checks[i];
        const double value = check.Value(figures);
        m_rows[i].figure->setText(StepResponseFigureName(check.figure));
        m_rows[i].figure->setToolTip(StepResponseFigureDefinition(check.figure));
        m_rows[i].value->setText(StepResponseFigureNumber(value, check.figure));
        m_rows[i].limits->setText(LimitsText(check));
        ShowResult(*m_rows[i].result, check.Passes(value));
    }
}

void CExerciseDock::KeepRows(std::size_t count) {
    // Rebuilt only when the number of checks changes, not at every refresh.
    if (m_rows.size() == count)
        return;
    for (const CheckRow& row : m_rows) {
        for (QLabel* label : {row.figure, row.value, row.limits, row.result})
            delete label;
    }
    m_rows.clear();
    for (std::size_t i = 0; i < count; ++i)
        m_rows.push_back(NewRow(static_cast<int>(i) + 1));
}

CExerciseDock::CheckRow CExerciseDock::NewRow(int number) {
    QWidget* content = widget();
    const CheckRow row{new QLabel(content), new QLabel(content), new QLabel(content), new QLabel(content)};
    const QString name = QStringLiteral("check%1").arg(number);
    row.value->setObjectName(name + QStringLiteral("Value"));
    row.limits->setObjectName(name + QStringLiteral("Limits"));
    row.result->setObjectName(name + QStringLiteral("Result"));
    row.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    int column = 0;
    for (QLabel* label : {row.figure, row.value, row.limits, row.result})
        m_pChecks->addWidget(label, number - 1, column++);
    return row;
}
