#pragma once

#include "TuningLab.h"

#include <QObject>

#include <memory>

struct TuningWork;

/// One tuning experiment and its rules' predictions run on a worker thread, so that the windows go on
/// while it runs. The worker owns its copy of the setup and a share of the run's state, so that a run can
/// be cancelled, or its owner destroyed, without waiting for it: the worker finds the cancel within
/// kKeepGoingPeriod and a step, and ends by itself. The workers run on Qt's global thread pool, which
/// the application waits for when it ends. The result is read on the thread that started the run once
/// `finished` has been emitted there.
class CTuningRun : public QObject {
    Q_OBJECT

public:
    explicit CTuningRun(QObject* parent = nullptr);
    /// Cancels a run still going, without waiting for it.
    ~CTuningRun() override;

    /// Starts a run; any previous run must have finished or been cancelled.
    void Start(const SimulationSetup& setup, const TuningRequest& request);
    /// Tells the worker to stop and forgets the run at once: `finished` will not come for it.
    void Cancel();
    bool IsRunning() const { return m_pWork != nullptr; }
    /// How far the run going has come, from 0 to 1; 0 when none is.
    double FractionDone() const;
    const TuningResult& Result() const { return m_result; }
    /// Whether the run stopped because memory ran out.
    bool RanOutOfMemory() const { return m_bOutOfMemory; }

signals:
    void finished();

private:
    void OnWorkDone(const std::shared_ptr<TuningWork>& work);

    std::shared_ptr<TuningWork> m_pWork; ///< the run going, shared with its worker
    TuningResult m_result;
    bool m_bOutOfMemory = false;
};
