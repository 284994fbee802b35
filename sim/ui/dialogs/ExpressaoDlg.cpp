#include "ExpressaoDlg.h"

#include "CLocaleNumber.h"
#include "DialogUnits.h"
#include "EquationEngine.h"
#include "FormulaFailureText.h"
#include "PlantHiddenText.h"
#include "Simulation.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <cmath>
#include <new>

namespace {

/// A control of dialog 134 with its position in dialog units.
struct Placement {
    const char* text;
    QRect rect;
};

// One line of the engine's message under the result takes this much of the dialog's height.
constexpr int kMessageHeight = 19;
const QRect kDialogSize(0, 0, 328, 110 + kMessageHeight);
const Placement kLabels[] = {
    {QT_TRANSLATE_NOOP("CExpressaoDlg", "Entre com a expressão do ponto, onde:"), {7, 7, 128, 8}},
    {QT_TRANSLATE_NOOP("CExpressaoDlg", "p = ponto atual"), {7, 17, 51, 8}},
    {QT_TRANSLATE_NOOP("CExpressaoDlg", "t = posição da potência (0 - 100)"), {7, 26, 106, 8}},
    {QT_TRANSLATE_NOOP("CExpressaoDlg", "dt = Intervalo de tempo do passo"), {7, 35, 109, 8}},
    {QT_TRANSLATE_NOOP("CExpressaoDlg", "Teste com p = 2.0; t = 3.0 e dt = 5.0"), {7, 62, 122, 8}},
};
const QRect kFormulaRect(7, 44, 314, 12);
const QRect kResultRect(7, 72, 73, 14);
// Under the result: the engine's message for a formula that fails, on up to two lines.
const QRect kMessageRect(7, 88, 314, 16);
const Placement kCancel = {QT_TRANSLATE_NOOP("CExpressaoDlg", "Cancelar"), {7, 89 + kMessageHeight, 50, 14}};
const Placement kOk = {QT_TRANSLATE_NOOP("CExpressaoDlg", "OK"), {271, 89 + kMessageHeight, 50, 14}};
// Not one of the dialog's own controls: opens the guide to the formula language.
const Placement kGuide = {QT_TRANSLATE_NOOP("CExpressaoDlg", "Ajuda..."), {214, 89 + kMessageHeight, 50, 14}};

const char* const kFormulaError = QT_TRANSLATE_NOOP("CExpressaoDlg", "Erro na fórmula");
// The guide is compiled into the program as a resource; without it the help button does nothing.
// A translated guide, when the program has one for the interface's language, sits beside it as
// formulas.<language>.md.
const char* const kGuideResource = ":/docs/formulas.md";

/// The guide in the interface's language if there is one, else the English guide.
QString FormulaGuideResource(const QString& language) {
    const QString translated = QStringLiteral(":/docs/formulas.%1.md").arg(language);
    return !language.isEmpty() && QFile::exists(translated) ? translated
                                                            : QString::fromLatin1(kGuideResource);
}

/// "%f": six decimals and a decimal point, whatever the user's locale.
QString FormatFixed6(double value) {
    return QString::fromStdString(cLocaleFixed(value, 6));
}

} // namespace

CExpressaoDlg::CExpressaoDlg(const QString& language, QWidget* parent)
    : QDialog(parent), m_language(language) {
    setWindowTitle(tr("Expressão"));
    setFont(QFont(QStringLiteral("MS Shell Dlg"), 8));
    CreateControls();
}

void CExpressaoDlg::CreateControls() {
    const DialogBaseUnits base = dialogBaseUnits(fontMetrics());
    const auto place = [&](QWidget* control, const QRect& rect) {
        control->setGeometry(dialogUnitsToPixels(rect, base));
    };
    for (const Placement& label : kLabels)
        place(new QLabel(tr(label.text), this), label.rect);

    m_pFormulaEdit = new QLineEdit(this);
    m_pFormulaEdit->setAlignment(Qt::AlignLeft);
    place(m_pFormulaEdit, kFormulaRect);
    connect(m_pFormulaEdit, &QLineEdit::textChanged, this, &CExpressaoDlg::OnChangeFormula);

    m_pResultEdit = new QLineEdit(this);
    m_pResultEdit->setReadOnly(true);
    m_pResultEdit->setAlignment(Qt::AlignCenter);
    place(m_pResultEdit, kResultRect);

    m_pMessageLabel = new QLabel(this);
    m_pMessageLabel->setWordWrap(true);
    m_pMessageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(m_pMessageLabel, kMessageRect);

    auto* cancel = new QPushButton(tr(kCancel.text), this);
    place(cancel, kCancel.rect);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* ok = new QPushButton(tr(kOk.text), this);
    ok->setDefault(true);
    place(ok, kOk.rect);
    connect(ok, &QPushButton::clicked, this, &CExpressaoDlg::accept);

    auto* guide = new QPushButton(tr(kGuide.text), this);
    guide->setAutoDefault(false);
    place(guide, kGuide.rect);
    connect(guide, &QPushButton::clicked, this, &CExpressaoDlg::ShowFormulaGuide);

    setFixedSize(dialogUnitsToPixels(kDialogSize, base).size());
}

void CExpressaoDlg::EditFormula(std::string& formula, const QString& language, bool plantHidden) {
    CExpressaoDlg dialog(language);
    if (plantHidden)
        dialog.HidePlant();
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
    if (m_bPlantHidden) {
        ShowPlantHidden();
        return;
    }
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

void CExpressaoDlg::ShowPlantHidden() {
    m_bExchanging = true;
    m_pFormulaEdit->setText(PlantHiddenText());
    m_pFormulaEdit->setEnabled(false);
    m_pResultEdit->clear();
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
        double result = 0.0;
        int status = EvaluateOnTestValues(result);
        // A step whose formula gives no number keeps its point, as a step whose formula fails does.
        if (status == 0 && std::isnan(result))
            status = CSimulation::kPlantGaveNoNumber;
        m_pResultEdit->setText(status != 0 ? tr(kFormulaError) : FormatFixed6(result));
        m_pMessageLabel->setText(status != 0 ? FormulaFailureText(status, m_strFormula) : QString());
    } catch (const std::bad_alloc&) {
        m_pResultEdit->setText(tr(kFormulaError));
        m_pMessageLabel->clear();
    }
}

int CExpressaoDlg::EvaluateOnTestValues(double& result) {
    UpdateData(true);
    EquationEngine engine;
    const CurrentEngineScope scope(engine);
    const VariableValue bindings[] = {{"p", 2.0}, {"t", 3.0}, {"dt", 5.0}};
    return engine.Evaluate(m_strFormula, bindings, std::size(bindings), result, this);
}

void CExpressaoDlg::ShowFormulaGuide() {
    const QString resource = FormulaGuideResource(m_language);
    if (!QFile::exists(resource))
        return;
    QDialog guide(this);
    guide.setWindowTitle(tr("Fórmulas do Vorlint"));
    auto* browser = new QTextBrowser(&guide);
    browser->setObjectName(QStringLiteral("formulaGuide"));
    browser->setSource(QUrl(QStringLiteral("qrc") + resource), QTextDocument::MarkdownResource);
    // The browser would load a linked guide as HTML; a link to another of the program's pages opens
    // it as Markdown, and one to the world outside in the desktop's browser.
    browser->setOpenLinks(false);
    connect(browser, &QTextBrowser::anchorClicked, browser, [browser](const QUrl& link) {
        const QUrl target = browser->source().resolved(link);
        if (target.scheme() == QLatin1String("qrc") && QFile::exists(QLatin1Char(':') + target.path()))
            browser->setSource(target, QTextDocument::MarkdownResource);
        else
            QDesktopServices::openUrl(link);
    });
    auto* layout = new QVBoxLayout(&guide);
    layout->addWidget(browser);
    guide.resize(720, 600);
    guide.exec();
}
