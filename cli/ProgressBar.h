#pragma once

#include <cstdint>
#include <cstdio>

/// A bar on a terminal that shows how much of a long run is done; silent when the stream is not a
/// terminal (a file, a pipe), so that no log fills with it.
class CProgressBar {
public:
    CProgressBar(std::FILE* stream, std::uint64_t total);

    /// Redraws the bar when the percentage done has moved.
    void Update(std::uint64_t done);
    /// Ends the bar's line.
    void Finish();

private:
    std::FILE* m_pStream;
    std::uint64_t m_nTotal;
    bool m_bShown;
    int m_nPercent = -1;
};
