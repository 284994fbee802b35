#include "AppTestSupport.h"
#include "CommandIds.h"
#include "ViewPrinter.h"

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
    ASSERT_TRUE(CViewPrinter::PrintView(view, printer));

    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    EXPECT_TRUE(content.startsWith("%PDF"));
    EXPECT_EQ(content.count("/Type /Page\n") + content.count("/Type /Page\r"), 1);
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
