#include "AppTestSupport.h"
#include "CommandIds.h"
#include "LabReport.h"
#include "PanelText.h"
#include "PrintHeader.h"
#include "SessionScript.h"
#include "TuningLab.h"
#include "ViewPrinter.h"

#include <QDateTime>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

namespace {

using PrintingTest = AppTest;

TEST_F(PrintingTest, PrintDrawsTheChartOnOnePage) {
    Frame().show();
    CVorlintView& view = ActiveView();
    for (int i = 0; i < 50; ++i)
        view.OnTimer();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = Path(QStringLiteral("chart.pdf"));
    printer.setOutputFileName(path);
    ASSERT_TRUE(CViewPrinter::PrintView(view, QStringLiteral("lab.vrl"), printer));

    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    EXPECT_TRUE(content.startsWith("%PDF"));
    EXPECT_EQ(content.count("/Type /Page\n") + content.count("/Type /Page\r"), 1);
    // Vectors and selectable text, not a picture of the screen.
    EXPECT_TRUE(content.contains("/ToUnicode"));
    EXPECT_FALSE(content.contains("/Subtype /Image"));
}

TEST_F(PrintingTest, TheHeaderNamesTheDocumentFormulaModeGainsSetupAndDate) {
    CVorlintView& view = ActiveView();
    view.SetPid(true);
    view.m_dKp = 2.5;
    view.m_dKi = 10.0;
    view.m_dSetPoint = 1200.25;
    view.m_dynamicsSettings.deadTimeS = 0.5;
    view.m_pidOptions.derivativeOnMeasurement = true;
    view.m_sensorActuatorSettings.noiseStd = 2.0;
    const QDateTime when(QDate(2026, 3, 9), QTime(14, 5));
    EXPECT_EQ(
        PrintHeaderLines(view, QStringLiteral("lab.vrl"), when),
        QStringList(
            {QStringLiteral("lab.vrl"), QStringLiteral("Fórmula: p + ((t/100)*5000 - p*1.0)*dt"),
             QStringLiteral("Modo: PID    Kp 2,500000    Ki 10,000000    Kd 0,000000"),
             QStringLiteral(
                 "Set point: 1200,25   Potência manual (%): 0   Simulado (ms): 100   Real (ms): 1"),
             QStringLiteral(
                 "Planta:   Perturbação de carga d: 0   Tempo morto θ (s): 0,5   Atrasos de 1ª ordem N "
                 "(0 a 5): 0   Constante de tempo τ (s): 1"),
             QStringLiteral(
                 "Controlador:   Peso do set point b: 1   Derivada sobre a medição: medição   Filtro da "
                 "derivada Tf (s): 0   Anti-windup: Nenhum   Tempo de rastreamento Tt (s): 1"),
             QStringLiteral(
                 "Sensor e atuador:   Ruído da medição σ: 2   Semente do ruído: 1   Quantização q: 0   "
                 "Limite de taxa do atuador R (/s): 0   Transferência sem solavanco: não"),
             QStringLiteral("Impresso em 09/03/2026 14:05")}));

    // A long line breaks between words; a word wider than the line (a formula) inside itself.
    QImage page(400, 400, QImage::Format_RGB32);
    const QFont font(QStringLiteral("Arial"), 10);
    const QString setup =
        QStringLiteral("Planta:   Constante de tempo τ (s): 1   Transferência sem solavanco: não");
    const QFontMetricsF metrics(font, &page);
    const double width = metrics.horizontalAdvance(QStringLiteral("Planta:   Constante de tempo τ"));
    const QStringList lines = WrapHeaderLine(setup, font, width, &page);
    EXPECT_GT(lines.size(), 2);
    EXPECT_EQ(lines.join(QLatin1Char(' ')).split(QLatin1Char(' '), Qt::SkipEmptyParts),
              setup.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    const QString formula(200, QLatin1Char('p'));
    for (const QString& line : WrapHeaderLine(formula, font, width, &page))
        EXPECT_LE(metrics.horizontalAdvance(line), width + 1);
}

TEST_F(PrintingTest, PreviewShowsOnePageAndRemembersItsLayout) {
    Frame().show();
    int pages = -1;
    ModalAnswer answer([&](QWidget* dialog) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(dialog);
        ASSERT_NE(preview, nullptr);
        auto* widget = preview->findChild<QPrintPreviewWidget*>();
        pages = widget->pageCount();
        widget->setViewMode(QPrintPreviewWidget::FacingPagesView);
        preview->close();
    });
    Trigger(CommandId::FilePrintPreview);
    ASSERT_TRUE(answer.Fired());
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(App().ViewPrinter().m_nNumPreviewPages, 2);
    Trigger(CommandId::AppExit);
    EXPECT_EQ(QSettings().value(QStringLiteral("Settings/PreviewPages")).toInt(), 2);
}

// The report's words, read back from the PDF by an independent reader when the machine has one.
TEST_F(PrintingTest, TheLabReportIsAVectorPdfWithTheTitleDateSetupAndEachFigureDefined) {
    Frame().show();
    SessionScript::SetUpPid(*Active(), 1200.0, 0.01, 20.0, 0.002);
    CVorlintView& view = ActiveView();
    for (int i = 0; i < 300; ++i)
        view.OnTimer();
    const CLabReport report(view, QStringLiteral("lab.vrl"), QDateTime(QDate(2026, 12, 8), QTime(9, 30)));
    const QStringList& lines = report.Lines();
    EXPECT_EQ(lines.mid(0, 3),
              QStringList({QStringLiteral("Relatório do laboratório: lab.vrl"),
                           QStringLiteral("Data: 08/12/2026 09:30"), QStringLiteral("Configuração")}));
    EXPECT_TRUE(lines.contains(WindowSetupLines(view).front()));
    const QString rise =
        QStringLiteral("Tempo de subida: %1 — Quanto o point levou para ir de 10 % a 90 % do "
                       "degrau, em segundos simulados; indefinido até chegar aos 90 %.")
            .arg(formatPanelNumber(view.m_stepResponse.Figures().riseTimeS, {3, " s"}));
    EXPECT_TRUE(lines.contains(rise)) << lines.join('\n').toStdString();

    EXPECT_FALSE(lines.contains(QStringLiteral("Sintonia"))) << "no tuning ran";

    // What the tuning dialog last found follows the figures: the model, then each rule.
    TuningResult tuning;
    tuning.model = ProcessModel{49.6, 2.07, 1.55};
    RulePrediction rule;
    rule.name = "SIMC PI";
    rule.gains = {0.0125, 150.5, 0.0};
    rule.response.figures.overshootPct = 6.78;
    rule.response.figures.settlingTimeS = 13.1;
    rule.response.figures.iae = 4172.96;
    rule.response.figures.timeSaturatedS = 0.0;
    RulePrediction inapplicable;
    inapplicable.name = "Cohen-Coon PI";
    inapplicable.gains = {NAN, NAN, NAN};
    tuning.rules = {rule, inapplicable};
    view.RememberTuning(tuning);
    const QStringList tuned = CLabReport(view, QStringLiteral("lab.vrl"), QDateTime()).Lines();
    EXPECT_EQ(tuned.mid(tuned.size() - 4),
              QStringList(
                  {QStringLiteral("Sintonia"),
                   QStringLiteral("Primeira ordem com tempo morto: K = 49,6 (point por unidade de potência), "
                                  "τ = 2,07 s, θ = 1,55 s"),
                   QStringLiteral("SIMC PI: Kp 0,012500   Ki 150,500000   Kd 0,000000   sobressinal 6,8 %   "
                                  "acomodação 13,10 s   IAE 4173,0   saturado 0,00 s"),
                   QStringLiteral("Cohen-Coon PI: não se aplica a este modelo")}));

    const QByteArray pdf = report.PdfBytes();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_FALSE(pdf.contains("/Subtype /Image")) << "the chart is drawn as vectors";
    const std::optional<QString> text = PdfWords(pdf, Path(QStringLiteral("report.pdf")));
    if (!text)
        GTEST_SKIP() << "no pdftotext to read the PDF's words";
    for (const QString& words :
         {lines[0], lines[1], QStringLiteral("Tempo de acomodação"), QStringLiteral("Sensor e atuador")})
        EXPECT_TRUE(text->contains(words)) << words.toStdString() << "\n" << text->toStdString();
}

} // namespace
