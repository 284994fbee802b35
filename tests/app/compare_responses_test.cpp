#include "AppTestSupport.h"
#include "CommandIds.h"
#include "CompareResponsesWindow.h"
#include "ComparisonPlot.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include <cmath>

namespace {

/// The same number, bit for bit, a NaN being the same as a NaN.
bool Same(double a, double b) {
    return std::isnan(a) ? std::isnan(b) : a == b;
}

class CompareResponsesTest : public AppTest {
protected:
    /// Two windows, the second with twice the first's gain, 30 steps each towards 1500.
    void SetUp() override {
        AppTest::SetUp();
        Trigger(CommandId::FileNew);
        double kp = 0.05;
        for (CMdiChild* window : Windows()) {
            CVorlintView& view = *window->View();
            view.SetPid(true);
            view.m_dKp = kp;
            view.m_dSetPoint = 1500.0;
            window->Frame()->ExchangePanels(false);
            Step(view, 30);
            kp *= 2.0;
        }
        Trigger(CommandId::WindowCompare);
        m_comparison = Frame().findChild<CCompareResponsesWindow*>();
        ASSERT_NE(m_comparison, nullptr);
    }

    static void Step(CVorlintView& view, int steps) {
        for (int i = 0; i < steps; ++i)
            view.OnTimer();
    }
    double Cell(int figure, int column) const {
        return m_comparison->Table()->item(figure, column)->data(Qt::UserRole).toDouble();
    }
    /// Whether the table shows window `w`'s figures and, for a window other than the reference, their
    /// differences to `reference`'s beside them (the reference has no column of differences).
    ::testing::AssertionResult ShowsFigures(std::size_t w, std::size_t reference) {
        const StepResponseFigures figures = Windows()[w]->View()->m_stepResponse.Figures();
        const StepResponseFigures base = Windows()[reference]->View()->m_stepResponse.Figures();
        const int column = static_cast<int>(2 * w) - (w > reference ? 1 : 0);
        if (m_comparison->Table()->horizontalHeaderItem(column)->text() != Windows()[w]->windowTitle())
            return ::testing::AssertionFailure() << "column " << column;
        for (std::size_t f = 0; f < kStepResponseFigureFields.size(); ++f) {
            const auto field = kStepResponseFigureFields[f].value;
            const int row = static_cast<int>(f);
            if (!Same(Cell(row, column), figures.*field) ||
                (w != reference && !Same(Cell(row, column + 1), figures.*field - base.*field)))
                return ::testing::AssertionFailure() << kStepResponseFigureFields[f].name;
        }
        return ::testing::AssertionSuccess();
    }

    CCompareResponsesWindow* m_comparison = nullptr;
};

TEST_F(CompareResponsesTest, TheTableHoldsTheMetersFiguresAndTheirDifferencesToTheReference) {
    ASSERT_EQ(m_comparison->Table()->columnCount(), 3);
    EXPECT_TRUE(ShowsFigures(0, 0));
    EXPECT_TRUE(ShowsFigures(1, 0));
    EXPECT_NE(Cell(9, 2), 0.0) << "the gains differ, so do the IAEs";
    m_comparison->ReferenceBox()->setCurrentIndex(1);
    EXPECT_TRUE(ShowsFigures(0, 1));
    EXPECT_TRUE(ShowsFigures(1, 1));

    // It follows the windows as they run, and leaves out a window taken off the list.
    Step(*Windows()[0]->View(), 5);
    EXPECT_TRUE(QTest::qWaitFor([this] { return static_cast<bool>(ShowsFigures(0, 1)); }, 5000));
    m_comparison->WindowList()->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(m_comparison->Table()->columnCount(), 1);
    EXPECT_EQ(m_comparison->ReferenceBox()->count(), 1);
    EXPECT_TRUE(ShowsFigures(0, 0));
}

// On a screen large enough the plot keeps its width above the whole table, which needs no scrolling; it opens
// under the menu bar, over the windows.
TEST_F(CompareResponsesTest, OpensUnderTheMenusWithThePlotAndTheWholeTable) {
    EXPECT_GE(m_comparison->frameGeometry().top(), Frame().centralWidget()->mapToGlobal(QPoint()).y());
    m_comparison->FitToContents(QSize(4000, 4000));
    QApplication::processEvents();
    EXPECT_GE(m_comparison->PlotSize().width(), 520);
    EXPECT_EQ(m_comparison->Table()->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(m_comparison->Table()->verticalScrollBar()->maximum(), 0);
}

TEST_F(CompareResponsesTest, TheCsvHasAColumnPerWindowAlignedAtItsStartAndThePlotExports) {
    Step(*Windows()[1]->View(), 10);
    Windows()[1]->View()->m_dSetPoint = 1000.0;
    Windows()[1]->Frame()->ExchangePanels(false);
    Step(*Windows()[1]->View(), 2);
    m_comparison->NormalizedBox()->setChecked(true);
    m_comparison->Refresh();
    const QStringList lines = QString::fromStdString(m_comparison->Csv()).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 32); // header, 30 rows, nothing after the last line feed
    EXPECT_EQ(lines[0],
              QStringLiteral("time_s,%1,%2").arg(Windows()[0]->windowTitle(), Windows()[1]->windowTitle()));
    // The second window's response began at its step 41, from the point of its step 40; its newest
    // sample ends 0.2 s after that.
    const SampleHistory& second = Windows()[1]->View()->m_history;
    const double z = (second[41].point - second[39].point) / (1000.0 - second[39].point);
    EXPECT_EQ(lines[2],
              QStringLiteral("0.20000000000000001,%1,%2")
                  .arg((Windows()[0]->View()->m_history[1].point - 20.0) / (1500.0 - 20.0), 0, 'g', 17)
                  .arg(z, 0, 'g', 17));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("0.29999999999999999,"))) << lines[3].toStdString();
    EXPECT_TRUE(lines[3].endsWith(QLatin1Char(','))) << "the second response has no sample at 0.3 s";

    ModalAnswer answer(ChooseFile(Path(QStringLiteral("comparison.png"))));
    m_comparison->findChildren<QPushButton*>().front()->click();
    ASSERT_TRUE(answer.Fired());
    EXPECT_EQ(QImage(Path(QStringLiteral("comparison.png"))).size(), m_comparison->PlotSize());
}

// Past the live history's 1500 samples the comparison still shows and exports each response whole,
// from the recording; the legend gives the gains each ran with, not those set since.
TEST_F(CompareResponsesTest, ALongResponseIsShownWholeWithTheGainsItRanWith) {
    CVorlintView& first = *Windows()[0]->View();
    Step(first, 2000);
    first.m_dKp = 0.3;
    Windows()[0]->Frame()->ExchangePanels(false);
    m_comparison->Refresh();
    const QStringList lines = QString::fromStdString(m_comparison->Csv()).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2032); // header, 2030 rows, nothing after the last line feed
    EXPECT_TRUE(lines[1].startsWith(
        QStringLiteral("0.10000000000000001,%1,").arg(first.m_recording[0].sample.point, 0, 'g', 17)))
        << lines[1].toStdString();
    EXPECT_EQ(ComparisonLegendText({Windows()[0]->windowTitle(), LatestResponse(first)}),
              Windows()[0]->windowTitle() + QStringLiteral(": Kp 0,050000  Ki 0,000000  Kd 0,000000"));
}

} // namespace
