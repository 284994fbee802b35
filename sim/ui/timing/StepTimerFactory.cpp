#include "StepTimerFactory.h"

#include "QtStepTimer.h"
#ifdef __linux__
#include "TimerFdStepTimer.h"
#endif

std::unique_ptr<CStepTimer> CreateStepTimer() {
#ifdef __linux__
    if (auto timer = CTimerFdStepTimer::TryCreate())
        return timer;
#endif
    return std::make_unique<CQtStepTimer>();
}
