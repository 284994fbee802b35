#include "AppTestSupport.h"
#include "CommandIds.h"
#include "PrintHeader.h"
#include "ViewPrinter.h"

#include <QDateTime>
#include <QFile>
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

TEST_F(PrintingTest, TheHeaderNamesTheDocumentFormulaModeGainsAndDate) {
    CVorlintView& view = ActiveView();
    view.SetPid(true);
    view.m_dKp = 2.5;
    view.m_dKi = 10.0;
    const QDateTime when(QDate(2026, 3, 9), QTime(14, 5));
    EXPECT_EQ(
        PrintHeaderLines(view, QStringLiteral("lab.vrl"), when),
        QStringList({QStringLiteral("lab.vrl"), QStringLiteral("Fórmula: p + ((t/100)*5000 - p*1.0)*dt"),
                     QStringLiteral("Modo: PID    Kp 2,500000    Ki 10,000000    Kd 0,000000"),
                     QStringLiteral("Impresso em 09/03/2026 14:05")}));
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

} // namespace
