#include "ResponseComparison.h"

#include "CompareResponsesWindow.h"
#include "ExportCommands.h"
#include "MainFrame.h"
#include "MdiChild.h"
#include "VorlintView.h"

#include <QMdiArea>
#include <QScreen>

#include <algorithm>

namespace {

/// The frame's simulation windows, in the order they were made.
std::vector<ComparableWindow> SimulationWindows(const CMainFrame& frame) {
    std::vector<ComparableWindow> windows;
    for (QMdiSubWindow* window : frame.MdiArea()->subWindowList(QMdiArea::CreationOrder)) {
        const auto* child = qobject_cast<const CMdiChild*>(window);
        if (child != nullptr && child->View() != nullptr)
            windows.push_back({child->windowTitle(), child->View()});
    }
    return windows;
}

void WireExports(CCompareResponsesWindow& comparison) {
    QObject::connect(&comparison, &CCompareResponsesWindow::exportChartRequested, &comparison,
                     [&comparison] { ExportChartAs(comparison, comparison.windowTitle(), &comparison); });
    QObject::connect(&comparison, &CCompareResponsesWindow::exportDataRequested, &comparison, [&comparison] {
        ExportCsvAs([&comparison] { return QByteArray::fromStdString(comparison.Csv()); },
                    comparison.windowTitle(), &comparison);
    });
}

} // namespace

CCompareResponsesWindow& ShowResponseComparison(CMainFrame& frame) {
    auto* comparison = frame.findChild<CCompareResponsesWindow*>();
    if (comparison == nullptr) {
        comparison = new CCompareResponsesWindow([&frame] { return SimulationWindows(frame); }, &frame);
        WireExports(*comparison);
        // Over the windows, under the menu bar and the toolbar, as large as the plot and the table need
        // and the screen below allows.
        const QPoint corner = frame.centralWidget()->mapToGlobal(QPoint());
        const QRect screen = frame.screen()->availableGeometry();
        comparison->FitToContents(QSize(screen.right() - corner.x(), screen.bottom() - corner.y()));
        comparison->move(corner);
    }
    comparison->show();
    comparison->raise();
    comparison->activateWindow();
    return *comparison;
}
