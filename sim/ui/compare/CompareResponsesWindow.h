#pragma once

#include "ChartPicture.h"

#include "ComparedResponse.h"

#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class CComparisonPlot;
class CSimulation;
class QCheckBox;
class QComboBox;
class QListWidget;
class QPainter;
class QRectF;
class QSplitter;
class QTableWidget;

/// A simulation window that a comparison can show: its title and its simulation.
struct ComparableWindow {
    QString title;
    const CSimulation* simulation;
};

/// Janela > "Comparar respostas...": the latest step responses of the windows chosen in a checkable
/// list, in one plot aligned at each response's start (points, or z when "Normalizado (z)" is
/// checked), and beside it a table of the figures of each, with each one's difference to the
/// reference window chosen. While it shows it reads the windows again every kRefreshMs, so that it
/// follows them as they run.
class CCompareResponsesWindow : public QWidget, public CChartPicture {
    Q_OBJECT

public:
    static constexpr int kRefreshMs = 300;

    /// `windows` lists the simulation windows open at the moment it is called.
    explicit CCompareResponsesWindow(std::function<std::vector<ComparableWindow>()> windows,
                                     QWidget* parent = nullptr);

    /// Reads the windows and their latest responses again and shows them.
    void Refresh();
    /// The shown responses as CSV (ComparedResponsesCsv), one column per chosen window.
    std::string Csv() const;
    /// Paints the plot as it shows, scaled into `target` of any painter.
    void PaintPlot(QPainter& painter, const QRectF& target) const;
    QSize PlotSize() const;
    /// Takes the size the plot and the whole table under it need, as far as `room` allows, and gives the
    /// table the height of all its rows.
    void FitToContents(const QSize& room);
    /// The plot as a picture to export.
    QSize ChartSize() const override { return PlotSize(); }
    void PaintChartInto(QPainter& painter, const QRectF& target) const override {
        PaintPlot(painter, target);
    }

    QListWidget* WindowList() const { return m_pWindowList; }
    QComboBox* ReferenceBox() const { return m_pReference; }
    QCheckBox* NormalizedBox() const { return m_pNormalized; }
    /// One row a figure; a column a chosen window with its value, and beside it, for a window other than
    /// the reference, its difference to the reference. Each cell keeps its exact number under Qt::UserRole.
    QTableWidget* Table() const { return m_pTable; }

signals:
    void exportChartRequested();
    void exportDataRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    /// The size at which the table shows every row and column.
    QSize WholeTableSize() const;
    void SyncWindowList(const std::vector<ComparableWindow>& windows);
    void SyncReferenceBox();
    void ShowPlot();
    void FillTable();

    std::function<std::vector<ComparableWindow>()> m_windows;
    /// The chosen windows in the list's order and their latest responses.
    std::vector<ComparableWindow> m_chosen;
    std::vector<ComparedResponse> m_responses;

    QListWidget* m_pWindowList = nullptr;
    QComboBox* m_pReference = nullptr;
    QCheckBox* m_pNormalized = nullptr;
    CComparisonPlot* m_pPlot = nullptr;
    QTableWidget* m_pTable = nullptr;
    QWidget* m_pControls = nullptr;
    QSplitter* m_pSplitter = nullptr;
    QSplitter* m_pFigures = nullptr;
    QTimer m_refresh;
};
