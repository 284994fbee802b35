#pragma once

#include "TuningLab.h"

#include <QObject>

#include <atomic>
#include <memory>

class QThread;

/// One tuning experiment and its rules' predictions run on a worker thread, so that the windows go on
/// while it runs. The worker only reads its own copy of the setup; the result is read on the thread
/// that started the run once `finished` has been emitted there.
class CTuningRun : public QObject {
    Q_OBJECT

public:
    explicit CTuningRun(QObject* parent = nullptr);
    /// Cancels a run still going and waits for its thread.
    ~CTuningRun() override;

    /// Starts a run; any previous run must have finished.
    void Start(const SimulationSetup& setup, const TuningRequest& request);
    /// Asks the worker to stop and waits for it (the experiment looks every 1024 steps).
    void Cancel();
    bool IsRunning() const { return m_pThread != nullptr; }
    /// How far the run has come, from 0 to 1.
    double FractionDone() const { return m_dFractionDone.load(); }
    const TuningResult& Result() const { return m_result; }
    /// Whether the run stopped because memory ran out.
    bool RanOutOfMemory() const { return m_bOutOfMemory; }

signals:
    void finished();

private:
    void Run(const SimulationSetup& setup, const TuningRequest& request);
    void OnThreadFinished();

    std::unique_ptr<QThread> m_pThread;
    std::atomic<bool> m_bCancel{false};
    std::atomic<double> m_dFractionDone{0.0};
    TuningResult m_result;
    bool m_bOutOfMemory = false;
};
