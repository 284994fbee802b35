#include "KeepGoingPacer.h"

bool CKeepGoingPacer::GoOn(std::uint64_t stepsDone) {
    if (!m_keepGoing) {
        return true;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now < m_nextQuestion) {
        return true;
    }
    m_nextQuestion = now + kKeepGoingPeriod;
    return m_keepGoing(stepsDone);
}
