#include "ProgressBar.h"

#include <string>

#include <unistd.h>

namespace {

constexpr int kWidth = 40;

} // namespace

CProgressBar::CProgressBar(std::FILE* stream, std::uint64_t total)
    : m_pStream(stream), m_nTotal(total), m_bShown(isatty(fileno(stream)) == 1) {}

void CProgressBar::Update(std::uint64_t done) {
    const int percent = m_nTotal == 0 ? 100 : static_cast<int>(done * 100 / m_nTotal);
    if (!m_bShown || percent == m_nPercent) {
        return;
    }
    m_nPercent = percent;
    const std::string filled(static_cast<std::size_t>(percent * kWidth / 100), '#');
    std::fprintf(m_pStream, "\r[%-*s] %3d%% %llu/%llu", kWidth, filled.c_str(), percent,
                 static_cast<unsigned long long>(done), static_cast<unsigned long long>(m_nTotal));
    std::fflush(m_pStream);
}

void CProgressBar::Finish() {
    if (m_bShown && m_nPercent >= 0) {
        std::fputc('\n', m_pStream);
    }
}
