#include "SetupLog.h"

#include <algorithm>

namespace {

bool Same(const SetupValues& a, const SetupValues& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const SettingValue& x, const SettingValue& y) {
                          // NaN is the same setting as NaN.
                          return (x.number == y.number || (x.number != x.number && y.number != y.number)) &&
                                 x.text == y.text;
                      });
}

} // namespace

void SetupLog::Note(std::uint64_t step, SetupValues values) {
    if (!m_setups.empty() && Same(m_setups.back().values, values))
        return;
    if (m_setups.size() == kMostSetups)
        m_setups.pop_front();
    m_setups.push_back({step, std::move(values)});
}

const SetupValues* SetupLog::At(std::uint64_t step) const {
    const auto after = std::upper_bound(m_setups.begin(), m_setups.end(), step,
                                        [](std::uint64_t s, const Setup& setup) { return s < setup.step; });
    return after == m_setups.begin() ? nullptr : &std::prev(after)->values;
}
