#pragma once

#include "TuningRun.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <vector>

class CRangedEdit;
class CSimulation;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;

/// "Sintonia": runs a relay or step-test experiment on a copy of a window's plant, on a worker thread,
/// and shows the model it finds and a table of the classic tuning rules, each with its gains (in this
/// program's form), the figures of its predicted response and a small plot of it. "Aplicar" hands the
/// selected rule's gains to `apply`. Closing the dialog cancels a run still going.
class CTuningDlg : public QDialog {
    Q_OBJECT

public:
    using Apply = std::function<void(const PidGains& gains)>;

    /// The progress bar and "Cancelar" show once a run has taken this long.
    static constexpr int kProgressDelayMs = 300;

    /// `window` is read (its setup and set point) each time a run starts.
    CTuningDlg(const CSimulation& window, Apply apply, QWidget* parent = nullptr);

    /// Starts the experiment chosen with the settings in the fields.
    void RunExperiment();
    bool IsRunning() const { return m_run.IsRunning(); }

    QRadioButton* StepTestButton() const { return m_pStepTest; }
    QPushButton* CancelButton() const { return m_pCancel; }
    QPushButton* ApplyButton() const { return m_pApply; }
    QLabel* ModelLabel() const { return m_pModel; }
    QTableWidget* RulesTable() const { return m_pRules; }
    CRangedEdit* RelayAmplitudeEdit() const { return m_pAmplitude; }

public slots:
    void done(int result) override;

signals:
    /// A run ended with its result shown (not when cancelled by closing).
    void tuningFinished();
    /// A run found an ultimate cycle or a model on the window's plant, and the rules' predictions
    /// (emitted before tuningFinished).
    void resultFound(const TuningResult& result);

private:
    void CreateControls();
    QWidget* CreateExperimentBox();
    QWidget* CreateResultBox();
    TuningRequest Request() const;
    void OnProgressTick();
    void OnCancel();
    void OnRunFinished();
    void ShowResult(const TuningResult& result);
    QString ModelText(const TuningResult& result) const;
    void FillRules(const TuningResult& result);
    /// The gains of the selected row, or nullptr when no row is selected or its rule does not apply.
    const PidGains* SelectedGains() const;
    void OnApply();
    void ShowRunning(bool running);

    const CSimulation& m_window;
    Apply m_apply;
    CTuningRun m_run;
    TuningMethod m_shownMethod = TuningMethod::Relay;
    std::vector<PidGains> m_shownGains; ///< per row; NaN for rules that do not apply
    QTimer m_progressTimer;
    QElapsedTimer m_sinceStart;
    QRadioButton* m_pRelay = nullptr;
    QRadioButton* m_pStepTest = nullptr;
    CRangedEdit* m_pBias = nullptr;
    CRangedEdit* m_pAmplitude = nullptr;
    CRangedEdit* m_pHysteresis = nullptr;
    CRangedEdit* m_pStepPower = nullptr;
    QLabel* m_pSetPoint = nullptr;
    QPushButton* m_pRun = nullptr;
    QProgressBar* m_pProgress = nullptr;
    QPushButton* m_pCancel = nullptr;
    QLabel* m_pModel = nullptr;
    QTableWidget* m_pRules = nullptr;
    QPushButton* m_pApply = nullptr;
};
