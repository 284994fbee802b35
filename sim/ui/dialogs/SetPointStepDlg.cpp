#include "SetPointStepDlg.h"

#include "RangedEdit.h"
#include "SettingsTable.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

CSetPointStepDlg::CSetPointStepDlg(double setPoint, QWidget* parent)
    : QDialog(parent), m_edit(new CRangedEdit(settingByFileKey("setPoint")->panelRange, this)) {
    setWindowTitle(tr("Degrau de set point"));
    m_edit->SetValue(setPoint);
    m_edit->selectAll();
    m_edit->setToolTip(tr("O set point muda para este valor no próximo passo, de uma só vez: a resposta "
                          "a um degrau. Vírgula ou ponto decimal."));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_ok->setEnabled(m_edit->IsValidText(text)); });

    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Novo set point (0 a 3000):"), m_edit);
    layout->addRow(buttons);
}

double CSetPointStepDlg::SetPoint() const {
    return m_edit->Value();
}
