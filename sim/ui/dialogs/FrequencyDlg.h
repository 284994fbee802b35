#pragma once

#include "FrequencyLab.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <string>

class CBodePlot;
class CVorlintView;
class QLabel;
class QPushButton;
class QTableWidget;

/// "Resposta em frequência": a window's loop linearised at its operating point (the set point, or 1500
/// when that is 0), as a Bode plot and a table of its figures, each "–" with the reason when it does not
/// exist. Beside Ku and Tu, what the tuning dialog's relay last found on the same plant and how far it
/// is from them. Follows the window's settings while open and closes with the window. While the window
/// hides its plant, the analytic side would reveal it: the plot is empty, the analytic figures read
/// "planta oculta" and nothing exports; the relay's figures are the student's own measurement and stay.
class CFrequencyDlg : public QDialog {
    Q_OBJECT

public:
    enum Column { FigureColumn, AnalyticColumn, RelayColumn, DifferenceColumn, ColumnCount };

    /// How often the window's settings are compared with those shown.
    static constexpr int kWatchIntervalMs = 250;

    explicit CFrequencyDlg(CVorlintView& window, QWidget* parent = nullptr);

    /// Analyses the window again when a setting the loop depends on differs from those shown, as the
    /// watch timer does.
    void RefreshIfChanged();

    /// One row a figure, in the order of kFrequencyFigureFields.
    QTableWidget* FiguresTable() const { return m_pTable; }
    /// The reasons of the figures that do not exist.
    QLabel* ReasonsLabel() const { return m_pReasons; }
    CBodePlot* Plot() const { return m_pPlot; }
    QPushButton* ExportPictureButton() const { return m_pExportPicture; }
    QPushButton* ExportDataButton() const { return m_pExportData; }
    /// The curves shown, as CSV (BodeCsv.h).
    QByteArray CurvesCsv() const;

    /// A figure as the table shows it, "–" when it does not exist.
    static QString FigureText(std::size_t field, double value);

private:
    void CreateControls();
    void Refresh();
    void ShowFigures();
    void ShowPlantHidden();
    void ShowRelay();

    QPointer<CVorlintView> m_pWindow;
    std::string m_shownSettings;
    bool m_bShownPlantHidden = false;
    FrequencyAnalysis m_analysis;
    QTimer m_watch;
    CBodePlot* m_pPlot = nullptr;
    QTableWidget* m_pTable = nullptr;
    QLabel* m_pReasons = nullptr;
    QPushButton* m_pExportPicture = nullptr;
    QPushButton* m_pExportData = nullptr;
};
