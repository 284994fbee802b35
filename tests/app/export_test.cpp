#include "AppTestSupport.h"
#include "CommandIds.h"
#include "ExportCommands.h"

#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QProcess>

#include <cerrno>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// What the screen shows of the window.
QImage ScreenImage(CVorlintView& view) {
    QImage image(view.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    view.OnDraw(painter, view.rect());
    return image;
}

class ExportTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        Frame().show();
        CVorlintView& view = ActiveView();
        view.SetPid(true);
        view.m_dKp = 0.1;
        view.m_dSetPoint = 1500.0;
        Active()->Frame()->ExchangePanels(false);
        for (int i = 0; i < 40; ++i)
            view.OnTimer();
    }
};

TEST_F(ExportTest, TheChartAsPngAtTheWindowsSizeAndAsVectorSvgAndPdf) {
    CVorlintView& view = ActiveView();
    QString problem;
    ASSERT_TRUE(ExportChart(view, QStringLiteral("lab.vrl"), Path(QStringLiteral("chart.png")), problem));
    EXPECT_EQ(QImage(Path(QStringLiteral("chart.png"))).convertToFormat(QImage::Format_RGB32),
              ScreenImage(view));

    ASSERT_TRUE(ExportChart(view, QStringLiteral("lab.vrl"), Path(QStringLiteral("chart.SVG")), problem));
    const QByteArray svg = ReadAll(Path(QStringLiteral("chart.SVG")));
    EXPECT_TRUE(svg.contains("<svg")) << svg.left(200).toStdString();
    EXPECT_TRUE(svg.contains(">SetPoint<"));
    EXPECT_FALSE(svg.contains("<image"));

    ASSERT_TRUE(ExportChart(view, QStringLiteral("lab.vrl"), Path(QStringLiteral("chart.pdf")), problem));
    const QByteArray pdf = ReadAll(Path(QStringLiteral("chart.pdf")));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_TRUE(pdf.contains(QStringLiteral("/MediaBox [0 0 %1.000000 %2.000000]")
                                 .arg(view.width())
                                 .arg(view.height())
                                 .toLatin1()));
    EXPECT_TRUE(pdf.contains("/ToUnicode"));
    EXPECT_FALSE(pdf.contains("/Subtype /Image"));
}

TEST_F(ExportTest, TheDataAreTheHistoryWithItsSimulatedTimeInTheCLocale) {
    CVorlintView& view = ActiveView();
    view.m_nSimStepMs = 250;
    Active()->Frame()->ExchangePanels(false);
    for (int i = 0; i < 3; ++i)
        view.OnTimer();
    const QString path = Path(QStringLiteral("data.csv"));
    QString problem;
    ASSERT_TRUE(ExportData(view, path, problem));

    const QList<QByteArray> lines = ReadAll(path).split('\n');
    ASSERT_EQ(lines.size(), 45); // header, 43 rows, nothing after the last line feed
    EXPECT_EQ(lines[0], "step,setPoint,point,power,proportional,integral,derivative,error,time_s");
    double time = 0.0;
    for (int step = 1; step <= 43; ++step) {
        time += step <= 40 ? 0.1 : 0.25;
        const QList<QByteArray> columns = lines[step].split(',');
        ASSERT_EQ(columns.size(), 9) << lines[step].toStdString();
        EXPECT_EQ(columns[0].toInt(), step);
        EXPECT_EQ(columns[2].toDouble(), view.m_history[step - 1].point) << step;
        EXPECT_EQ(columns[8].toDouble(), time) << step;
    }
}

// The window's export and `vorlint-cli sim` agree row for row once the sensor is noisy and coarse:
// the same seed, the same steps, the same columns in the same order (the window's rows end with time_s).
TEST_F(ExportTest, TheMeasurementColumnAndRowsAreTheCommandLinesForTheSameSeed) {
    CVorlintView& view = ActiveView();
    view.SetNoiseSeed(7);
    view.m_sensorActuatorSettings.noiseStd = 3.0;
    view.m_sensorActuatorSettings.quantization = 0.5;
    for (int i = 0; i < 10; ++i)
        view.OnTimer();
    view.m_sensorActuatorSettings.noiseStd = 0.0;
    for (int i = 0; i < 5; ++i)
        view.OnTimer();
    const QString path = Path(QStringLiteral("data.csv"));
    QString problem;
    ASSERT_TRUE(ExportData(view, path, problem));
    QList<QByteArray> window = ReadAll(path).split('\n');
    EXPECT_TRUE(window.front().endsWith(",error,measurement,time_s")) << window.front().toStdString();
    for (QByteArray& line : window) {
        if (!line.isEmpty())
            line.truncate(line.lastIndexOf(','));
    }

    QProcess cli;
    cli.start(QStringLiteral(VORLINT_CLI_PATH),
              {"sim", "--steps", "55", "--mode", "pid", "--kp", "0.1", "--setpoint", "1500", "--noise-seed",
               "7", "--at", "41:noise=3", "--at", "41:quantization=0.5", "--at", "51:noise=0"});
    ASSERT_TRUE(cli.waitForFinished(60000));
    const QList<QByteArray> expected = cli.readAllStandardOutput().split('\n');
    ASSERT_EQ(window.size(), 57);
    EXPECT_EQ(window.front(), "step,setPoint,point,power,proportional,integral,derivative,error,measurement");
    EXPECT_EQ(window, expected);
    EXPECT_NE(window[41].split(',')[2], window[41].split(',')[8]) << "the noise is on from step 41";
}

TEST_F(ExportTest, AFailedExportIsReportedAndLeavesNoHalfWrittenFile) {
    CVorlintView& view = ActiveView();
    const std::pair<const char*, std::function<bool(const QString&, QString&)>> exports[] = {
        {"chart.svg",
         [&](const QString& path, QString& problem) { return ExportChart(view, {}, path, problem); }},
        {"data.csv", [&](const QString& path, QString& problem) { return ExportData(view, path, problem); }},
    };
    for (const auto& [name, write] : exports) {
        const QString path = Path(QString::fromLatin1(name));
        WriteFile(path, "old");
        QString problem;
        {
            const FileSizeLimit full(10);
            EXPECT_FALSE(write(path, problem)) << name;
        }
        EXPECT_EQ(problem, qt_error_string(EFBIG));
        EXPECT_EQ(ReadAll(path), "old");
    }
    QString problem;
    EXPECT_FALSE(ExportChart(view, {}, Path(QStringLiteral("chart.jpg")), problem));
    EXPECT_EQ(problem, QStringLiteral("the name ends in none of .png, .svg, .pdf"));
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files), QStringList({"chart.svg", "data.csv"}));
}

TEST_F(ExportTest, TheDialogAddsTheChosenTypesSuffix) {
    ModalAnswer answer(ChooseFile(Path(QStringLiteral("grafico"))));
    Trigger(CommandId::FileExportChart);
    ASSERT_TRUE(answer.Fired());
    EXPECT_EQ(QImage(Path(QStringLiteral("grafico.png"))).size(), ActiveView().size());
}

TEST_F(ExportTest, CopyPutsTheChartAndTheDataOnTheClipboard) {
    Trigger(CommandId::EditCopy);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(qvariant_cast<QImage>(copied->imageData()).convertToFormat(QImage::Format_RGB32),
              ScreenImage(ActiveView()));
    EXPECT_TRUE(copied->text().startsWith(QStringLiteral("step,setPoint,")));
    EXPECT_EQ(copied->text().count(QLatin1Char('\n')), 41);
    EXPECT_EQ(copied->data(QStringLiteral("text/csv")), copied->text().toUtf8());
}

} // namespace
