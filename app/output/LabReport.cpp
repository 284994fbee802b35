#include "LabReport.h"

#include "ChartPicture.h"
#include "PanelText.h"
#include "PrintHeader.h"
#include "ReadingText.h"
#include "StepResponseFigureTexts.h"
#include "TuningModelText.h"
#include "VorlintView.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <memory>

namespace {

constexpr int kResolution = 300;
constexpr double kMarginMm = 15.0;
constexpr int kTitlePointSize = 14;
constexpr int kHeadingPointSize = 11;
constexpr int kTextPointSize = 9;
/// The chart takes the page's width, and at most this share of its height.
constexpr double kChartHeightShare = 0.42;

const char* const kTitle = QT_TRANSLATE_NOOP("CLabReport", "Relatório do laboratório: %1");
const char* const kDate = QT_TRANSLATE_NOOP("CLabReport", "Data: %1");
const char* const kSetup = QT_TRANSLATE_NOOP("CLabReport", "Configuração");
const char* const kFigures = QT_TRANSLATE_NOOP("CLabReport", "Resposta ao degrau");
const char* const kFigure = QT_TRANSLATE_NOOP("CLabReport", "%1: %2 — %3");
const char* const kTuning = QT_TRANSLATE_NOOP("CLabReport", "Sintonia");
const char* const kRule = QT_TRANSLATE_NOOP(
    "CLabReport", "%1: Kp %2   Ki %3   Kd %4   sobressinal %5   acomodação %6   IAE %7   saturado %8");
const char* const kRuleNotApplicable = QT_TRANSLATE_NOOP("CLabReport", "%1: não se aplica a este modelo");

QString Tr(const char* text) {
    return QCoreApplication::translate("CLabReport", text);
}

/// Draws the report's lines top to bottom, starting a page where one does not fit.
class CPageFlow {
public:
    CPageFlow(QPdfWriter& pdf, QPainter& painter)
        : m_pdf(pdf), m_painter(painter), m_page(painter.viewport()), m_y(m_page.top()) {}

    void Text(const QString& text, int pointSize, bool bold) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSize(pointSize);
        font.setBold(bold);
        m_painter.setFont(font);
        const int flags = Qt::TextWordWrap;
        const QRectF needed =
            m_painter.boundingRect(QRectF(m_page.left(), 0, m_page.width(), m_page.height()), flags, text);
        Reserve(needed.height());
        m_painter.drawText(QRectF(m_page.left(), m_y, m_page.width(), needed.height()), flags, text);
        m_y += needed.height();
    }

    void Space(double share) { m_y += m_page.height() * share; }

    QRectF Area(double height) {
        Reserve(height);
        const QRectF area(m_page.left(), m_y, m_page.width(), height);
        m_y += height;
        return area;
    }

    double Width() const { return m_page.width(); }
    double Height() const { return m_page.height(); }

private:
    void Reserve(double height) {
        if (m_y + height <= m_page.bottom() || m_y == m_page.top())
            return;
        m_pdf.newPage();
        m_y = m_page.top();
    }

    QPdfWriter& m_pdf;
    QPainter& m_painter;
    QRectF m_page;
    double m_y;
};

} // namespace

CLabReport::CLabReport(const CVorlintView& view, const QString& documentName, const QDateTime& when)
    : CLabReport(view, LiveRun(view), documentName, when) {}

CLabReport::CLabReport(const CVorlintView& view, const LabReportRun& run, const QString& documentName,
                       const QDateTime& when)
    : m_view(view), m_chart(run.chart), m_strTitle(Tr(kTitle).arg(documentName)) {
    m_lines << m_strTitle << Tr(kDate).arg(DateText(when));
    m_nChartAfter = m_lines.size();
    AddSetup(run.setup);
    AddFigures(run.response);
    AddTuning();
}

void CLabReport::AddSetup(const std::optional<SetupValues>& setup) {
    m_lines << Tr(kSetup);
    if (!setup) {
        m_lines << WindowSetupLines(m_view);
        return;
    }
    // The setup the response ran under, set on a simulation of its own to be read as the window's is.
    const auto simulation = std::make_unique<CSimulation>();
    CWindowState window;
    SettingTarget target{*simulation, &window};
    ApplySetup(target, *setup);
    m_lines << WindowSetupLines(SettingSource(target), m_view.PlantHidden());
}

void CLabReport::AddFigures(const RecordedResponse& response) {
    m_lines << Tr(kFigures);
    if (response.stillChanging)
        m_lines << QCoreApplication::translate("CStepResponseDock", "O set point ainda estava mudando");
    const StepResponseFigures figures = response.stillChanging ? StepResponseFigures() : response.figures;
    for (std::size_t i = 0; i < kStepResponseFigureFields.size(); ++i)
        m_lines << Tr(kFigure).arg(StepResponseFigureName(i), StepResponseFigureValue(figures, i),
                                   StepResponseFigureDefinition(i));
}

void CLabReport::AddTuning() {
    const std::optional<TuningResult>& tuning = m_view.LastTuning();
    if (!tuning)
        return;
    m_lines << Tr(kTuning) << TuningModelText(*tuning).split(QLatin1Char('\n'));
    for (const RulePrediction& rule : tuning->rules) {
        const QString name = QCoreApplication::translate("TuningRules", rule.name);
        if (!rule.Applies()) {
            m_lines << Tr(kRuleNotApplicable).arg(name);
            continue;
        }
        const StepResponseFigures& f = rule.response.figures;
        m_lines << Tr(kRule).arg(
            name, formatPanelNumber(rule.gains.kp, kGainFormat),
            formatPanelNumber(rule.gains.ki, kGainFormat), formatPanelNumber(rule.gains.kd, kGainFormat),
            FormatReading(f.overshootPct, 1, " %"), FormatReading(f.settlingTimeS, 2, " s"),
            FormatReading(f.iae, 1), FormatReading(f.timeSaturatedS, 2, " s"));
    }
}

QByteArray CLabReport::PdfBytes() const {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&bytes);
    pdf.setTitle(m_strTitle);
    pdf.setCreator(QStringLiteral("Vorlint"));
    pdf.setResolution(kResolution);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&pdf))
        return QByteArray();
    CPageFlow flow(pdf, painter);
    const QStringList headings = {m_lines.front(), Tr(kSetup), Tr(kFigures), Tr(kTuning)};
    for (int i = 0; i < m_lines.size(); ++i) {
        const QSize chartSize = m_chart->ChartSize();
        if (i == m_nChartAfter && !chartSize.isEmpty()) {
            flow.Space(0.01);
            // The chart keeps the window's proportions, narrower than the page when it would be too tall.
            const double aspect = static_cast<double>(chartSize.height()) / chartSize.width();
            QRectF chart = flow.Area(std::min(flow.Width() * aspect, flow.Height() * kChartHeightShare));
            chart.setWidth(chart.height() / aspect);
            m_chart->PaintChartInto(painter, chart);
        }
        const bool heading = headings.contains(m_lines[i]);
        if (heading && i > 0)
            flow.Space(0.015);
        flow.Text(m_lines[i],
                  i == 0    ? kTitlePointSize
                  : heading ? kHeadingPointSize
                            : kTextPointSize,
                  heading);
    }
    return painter.end() ? bytes.data() : QByteArray();
}
