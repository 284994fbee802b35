#include "StepResponseDock.h"

#include "StepResponseFigureTexts.h"

#include <QGridLayout>
#include <QLabel>
#include <QStyle>

#include <algorithm>

namespace {

/// The widest figure the column makes room for: an ITAE of a long run, or a negative time.
const char* const kWidestValue = "-99999999,999 s";

} // namespace

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
    for (std::size_t i = 0; i < kStepResponseFigureFields.size(); ++i) {
        auto* name = new QLabel(StepResponseFigureName(i), content);
        auto* value = new QLabel(content);
        value->setObjectName(QString::fromLatin1(kStepResponseFigureFields[i].name));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        for (QLabel* label : {name, value})
            label->setToolTip(StepResponseFigureDefinition(i));
        grid->addWidget(name, static_cast<int>(i) + 1, 0);
        grid->addWidget(value, static_cast<int>(i) + 1, 1);
        m_values[i] = value;
    }
    grid->setRowStretch(static_cast<int>(kStepResponseFigureFields.size()) + 1, 1);
    setWidget(content);
    FixWidth(*content);
    ShowFigures(StepResponseFigures());
}

void CStepResponseDock::FixWidth(QWidget& content) {
    // A dock that followed its figures would push the tiled windows about at every refresh; its width
    // is that of its widest figure and of its whole title beside the title bar's buttons.
    const QFontMetrics metrics = fontMetrics();
    for (QLabel* value : m_values)
        value->setMinimumWidth(metrics.horizontalAdvance(QString::fromLatin1(kWidestValue)));
    const int button = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this) +
                       2 * style()->pixelMetric(QStyle::PM_DockWidgetTitleBarButtonMargin, nullptr, this);
    const int title = metrics.horizontalAdvance(windowTitle()) + 2 * button +
                      4 * style()->pixelMetric(QStyle::PM_DockWidgetTitleMargin, nullptr, this);
    setFixedWidth(std::max(content.sizeHint().width(), title));
}

void CStepResponseDock::ShowFigures(const StepResponseFigures& figures, bool stillChanging) {
    m_pRampNotice->setVisible(stillChanging);
    const StepResponseFigures shown = stillChanging ? StepResponseFigures() : figures;
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        m_values[i]->setText(StepResponseFigureValue(shown, i));
    }
}
