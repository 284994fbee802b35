#include "TuningRun.h"

#include <QThreadPool>

#include <atomic>
#include <mutex>
#include <new>

/// What a run's worker shares with the CTuningRun that started it. The worker holds it as long as it runs,
/// so it outlives a cancelled owner; the owner's pointer, cleared under the lock, tells the worker whether
/// anyone still waits for the result.
struct TuningWork {
    TuningWork(const SimulationSetup& setup, const TuningRequest& request, CTuningRun* owner)
        : setup(setup), request(request), owner(owner) {}

    const SimulationSetup setup;
    const TuningRequest request;
    std::atomic<bool> cancel{false};
    std::atomic<double> fractionDone{0.0};
    /// Written by the worker before it reports to the owner, read by the owner after.
    TuningResult result;
    bool outOfMemory = false;

    std::mutex ownerLock;
    CTuningRun* owner; ///< null once the owner has let the run go
};

namespace {

void runTuning(TuningWork& work) {
    try {
        work.result = RunTuning(work.setup, work.request, [&work](double fractionDone) {
            work.fractionDone = fractionDone;
            return !work.cancel.load();
        });
    } catch (const std::bad_alloc&) {
        work.result = TuningResult();
        work.outOfMemory = true;
    }
}

} // namespace

CTuningRun::CTuningRun(QObject* parent) : QObject(parent) {}

CTuningRun::~CTuningRun() {
    Cancel();
}

void CTuningRun::Start(const SimulationSetup& setup, const TuningRequest& request) {
    Q_ASSERT(!IsRunning());
    m_result = TuningResult();
    m_bOutOfMemory = false;
    m_pWork = std::make_shared<TuningWork>(setup, request, this);
    QThreadPool::globalInstance()->start([work = m_pWork] {
        runTuning(*work);
        // Posted under the lock, so the owner cannot be destroyed in between; an owner destroyed before
        // the call is delivered takes the posted call with it.
        const std::lock_guard<std::mutex> lock(work->ownerLock);
        if (CTuningRun* owner = work->owner) {
            QMetaObject::invokeMethod(
                owner, [owner, work] { owner->OnWorkDone(work); }, Qt::QueuedConnection);
        }
    });
}

void CTuningRun::Cancel() {
    if (!IsRunning())
        return;
    m_pWork->cancel = true;
    {
        const std::lock_guard<std::mutex> lock(m_pWork->ownerLock);
        m_pWork->owner = nullptr;
    }
    m_pWork.reset();
}

double CTuningRun::FractionDone() const {
    return m_pWork ? m_pWork->fractionDone.load() : 0.0;
}

void CTuningRun::OnWorkDone(const std::shared_ptr<TuningWork>& work) {
    // A run cancelled after its worker had posted this call is no longer the run going.
    if (work != m_pWork)
        return;
    m_result = std::move(work->result);
    m_bOutOfMemory = work->outOfMemory;
    m_pWork.reset();
    emit finished();
}
