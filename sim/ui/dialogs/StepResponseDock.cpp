#include "StepResponseDock.h"

#include "ReadingText.h"
#include "StepResponseFigureRows.h"

#include <QGridLayout>
#include <QLabel>

CStepResponseDock::CStepResponseDock(QWidget* parent) : QDockWidget(tr("Resposta ao degrau"), parent) {
    setObjectName(QStringLiteral("stepResponseDock"));
    setToolTip(tr("A resposta ao último degrau do set point na janela ativa. Sem degrau "
                  "(set point igual ao point) só o erro e as integrais são definidos."));
    auto* content = new QWidget(this);
    auto* grid = new QGridLayout(content);
    m_pRampNotice = new QLabel(tr("O set point ainda estava mudando"), content);
    m_pRampNotice->setWordWrap(true);
    m_pRampNotice->setToolTip(
        tr("Esta resposta começou a menos de 10 passos da mudança anterior do set point, "
           "como quando se arrasta a barra: é uma rampa, e as medidas de um degrau "
           "não valem para ela. Use Simulação > Degrau de set point... para um degrau "
           "de uma só vez."));
    grid->addWidget(m_pRampNotice, 0, 0, 1, 2);
    for (std::size_t i = 0; i < kStepResponseFigureRows.size(); ++i) {
        const StepResponseFigureRow& row = kStepResponseFigureRows[i];
        auto* name = new QLabel(tr(row.label), content);
        auto* value = new QLabel(content);
        value->setObjectName(QString::fromLatin1(kStepResponseFigureFields[i].name));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        for (QLabel* label : {name, value})
            label->setToolTip(tr(row.tooltip));
        grid->addWidget(name, static_cast<int>(i) + 1, 0);
        grid->addWidget(value, static_cast<int>(i) + 1, 1);
        m_values[i] = value;
    }
    grid->setRowStretch(static_cast<int>(kStepResponseFigureRows.size()) + 1, 1);
    setWidget(content);
    ShowFigures(StepResponseFigures());
}

void CStepResponseDock::ShowFigures(const StepResponseFigures& figures, bool stillChanging) {
    m_pRampNotice->setVisible(stillChanging);
    const StepResponseFigures shown = stillChanging ? StepResponseFigures() : figures;
    for (std::size_t i = 0; i < kStepResponseFigureRows.size(); ++i) {
        const double value = shown.*kStepResponseFigureFields[i].value;
        m_values[i]->setText(
            FormatReading(value, kStepResponseFigureRows[i].decimals, kStepResponseFigureRows[i].unit));
    }
}
