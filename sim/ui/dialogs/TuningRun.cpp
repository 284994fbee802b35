#include "TuningRun.h"

#include <QThread>

#include <new>

CTuningRun::CTuningRun(QObject* parent) : QObject(parent) {}

CTuningRun::~CTuningRun() {
    Cancel();
}

void CTuningRun::Start(const SimulationSetup& setup, const TuningRequest& request) {
    Q_ASSERT(!IsRunning());
    m_bCancel = false;
    m_dFractionDone = 0.0;
    m_result = TuningResult();
    m_bOutOfMemory = false;
    m_pThread.reset(QThread::create([this, setup, request] { Run(setup, request); }));
    // Emitted on the worker's thread, delivered on this object's.
    connect(m_pThread.get(), &QThread::finished, this, &CTuningRun::OnThreadFinished);
    m_pThread->start();
}

void CTuningRun::Run(const SimulationSetup& setup, const TuningRequest& request) {
    try {
        m_result = RunTuning(setup, request, [this](double fractionDone) {
            m_dFractionDone = fractionDone;
            return !m_bCancel.load();
        });
    } catch (const std::bad_alloc&) {
        m_result = TuningResult();
        m_bOutOfMemory = true;
    }
}

void CTuningRun::Cancel() {
    if (!IsRunning())
        return;
    m_bCancel = true;
    m_pThread->wait();
    m_pThread.reset();
}

void CTuningRun::OnThreadFinished() {
    // A cancelled run has already been waited for and dropped; its queued signal finds no thread.
    if (!IsRunning() || !m_pThread->isFinished())
        return;
    m_pThread->wait();
    m_pThread.reset();
    emit finished();
}
