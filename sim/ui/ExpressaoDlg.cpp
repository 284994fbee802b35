#include "ExpressaoDlg.h"

#include "CLocaleNumber.h"
#include "DialogUnits.h"
#include "EquationEngine.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <new>

namespace {

/// A control of dialog 134 with its position in dialog units.
struct Placement {
    const char* text;
    QRect rect;
};

const QRect kDialogSize(0, 0, 328, 110);
const Placement kLabels[] = {
    {"Entre com a expressão do ponto, onde:", {7, 7, 128, 8}},
    {"p = ponto atual", {7, 17, 51, 8}},
    {"t = posição da potência (0 - 100)", {7, 26, 106, 8}},
    {"dt = Intervalo de tempo do passo", {7, 35, 109, 8}},
    {"Teste com p = 2.0; t = 3.0 e dt = 5.0", {7, 62, 122, 8}},
};
const QRect kFormulaRect(7, 44, 314, 12);
const QRect kResultRect(7, 72, 73, 14);
const Placement kCancel = {"Cancelar", {7, 89, 50, 14}};
const Placement kOk = {"OK", {271, 89, 50, 14}};
// Not one of the dialog's own controls: opens the guide to the formula language.
const Placement kGuide = {"Ajuda...", {214, 89, 50, 14}};

const char* const kFormulaError = "Erro na fórmula";
// The guide is compiled into the program as a resource; without it the help button does nothing.
const char* const kGuideResource = ":/docs/formulas.md";

/// "%f": six decimals and a decimal point, whatever the user's locale.
QString FormatFixed6(double value) {
    return QString::fromStdString(cLocaleFixed(value, 6));
}

} // namespace

CExpressaoDlg::CExpressaoDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Expressão"));
    setFont(QFont(QStringLiteral("MS Shell Dlg"), 8));
    CreateControls();
}

void CExpressaoDlg::CreateControls() {
    const DialogBaseUnits base = dialogBaseUnits(fontMetrics());
    const auto place = [&](QWidget* control, const QRect& rect) {
        control->setGeometry(dialogUnitsToPixels(rect, base));
    };
    for (const Placement& label : kLabels)
        place(new QLabel(QString::fromUtf8(label.text), this), label.rect);

    m_pFormulaEdit = new QLineEdit(this);
    m_pFormulaEdit->setAlignment(Qt::AlignLeft);
    place(m_pFormulaEdit, kFormulaRect);
    connect(m_pFormulaEdit, &QLineEdit::textChanged, this, &CExpressaoDlg::OnChangeFormula);

    m_pResultEdit = new QLineEdit(this);
    m_pResultEdit->setReadOnly(true);
    m_pResultEdit->setAlignment(Qt::AlignCenter);
    place(m_pResultEdit, kResultRect);

    auto* cancel = new QPushButton(QString::fromUtf8(kCancel.text), this);
    place(cancel, kCancel.rect);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* ok = new QPushButton(QString::fromUtf8(kOk.text), this);
    ok->setDefault(true);
    place(ok, kOk.rect);
    connect(ok, &QPushButton::clicked, this, &CExpressaoDlg::accept);

    auto* guide = new QPushButton(QString::fromUtf8(kGuide.text), this);
    guide->setAutoDefault(false);
    place(guide, kGuide.rect);
    connect(guide, &QPushButton::clicked, this, &CExpressaoDlg::ShowFormulaGuide);

    setFixedSize(dialogUnitsToPixels(kDialogSize, base).size());
}

void CExpressaoDlg::EditFormula(std::string& formula) {
    CExpressaoDlg dialog;
    dialog.m_strFormula = formula;
    if (dialog.exec() == QDialog::Accepted)
        formula = dialog.m_strFormula;
}

void CExpressaoDlg::showEvent(QShowEvent* event) {
    if (!m_bInitialised) {
        m_bInitialised = true;
        UpdateData(false);
        m_pFormulaEdit->setFocus();
    }
    QDialog::showEvent(event);
}

void CExpressaoDlg::UpdateData(bool bSaveAndValidate) {
    m_bExchanging = true;
    if (bSaveAndValidate) {
        m_strFormula = m_pFormulaEdit->text().toStdString();
        m_strResult = m_pResultEdit->text().toStdString();
    } else {
        m_pFormulaEdit->setText(QString::fromStdString(m_strFormula));
        m_pResultEdit->setText(QString::fromStdString(m_strResult));
    }
    m_bExchanging = false;
}

void CExpressaoDlg::accept() {
    UpdateData(true);
    QDialog::accept();
}

void CExpressaoDlg::OnChangeFormula() {
    if (m_bExchanging)
        return;
    // Running out of memory is one more way for the evaluation to fail; the dialog stays open.
    try {
        m_pResultEdit->setText(EvaluateOnTestValues());
    } catch (const std::bad_alloc&) {
        m_pResultEdit->setText(QString::fromUtf8(kFormulaError));
    }
}

QString CExpressaoDlg::EvaluateOnTestValues() {
    UpdateData(true);
    EquationEngine engine;
    const CurrentEngineScope scope(engine);
    const VariableValue bindings[] = {{"p", 2.0}, {"t", 3.0}, {"dt", 5.0}};
    double result = 0.0;
    const int status = engine.Evaluate(m_strFormula, bindings, std::size(bindings), result, this);
    return status != 0 ? QString::fromUtf8(kFormulaError) : FormatFixed6(result);
}

void CExpressaoDlg::ShowFormulaGuide() {
    QFile file(QString::fromLatin1(kGuideResource));
    if (!file.open(QIODevice::ReadOnly))
        return;
    QDialog guide(this);
    guide.setWindowTitle(QStringLiteral("Fórmulas do Vorlint"));
    auto* browser = new QTextBrowser(&guide);
    browser->setMarkdown(QString::fromUtf8(file.readAll()));
    auto* layout = new QVBoxLayout(&guide);
    layout->addWidget(browser);
    guide.resize(720, 600);
    guide.exec();
}
