#include "ParallelRows.h"

#include <algorithm>
#include <atomic>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

namespace {

/// Items each thread takes in a block: enough that a thread rarely waits for the others at the end of
/// a block, few enough for a lively progress bar.
constexpr std::uint64_t kItemsPerThread = 64;

/// The rows of one block, made by every thread taking the next item not yet taken.
class CBlockWork {
public:
    CBlockWork(const MakeRow& makeRow, std::vector<std::string>& rows) : m_makeRow(makeRow), m_rows(rows) {}

    void Start(std::uint64_t first, std::uint64_t size) {
        m_nFirst = first;
        m_nSize = size;
        m_nNext = 0;
    }
    /// Makes rows until the block is done; a row that runs out of memory stops every thread.
    void Run() {
        try {
            for (std::uint64_t i = 0; !m_bOutOfMemory && (i = m_nNext++) < m_nSize;) {
                m_rows[i].clear();
                m_makeRow(m_nFirst + i, m_rows[i]);
            }
        } catch (const std::bad_alloc&) {
            m_bOutOfMemory = true;
        }
    }
    bool OutOfMemory() const { return m_bOutOfMemory; }

private:
    const MakeRow& m_makeRow;
    std::vector<std::string>& m_rows;
    std::uint64_t m_nFirst = 0;
    std::uint64_t m_nSize = 0;
    std::atomic<std::uint64_t> m_nNext{0};
    std::atomic<bool> m_bOutOfMemory{false};
};

/// Runs the block on the calling thread and as many of `jobs - 1` others as can be started.
void runBlock(CBlockWork& work, unsigned jobs) {
    std::vector<std::thread> helpers;
    try {
        for (unsigned j = 1; j < jobs; ++j) {
            helpers.emplace_back([&work] { work.Run(); });
        }
    } catch (const std::system_error&) {
        // No more threads: those that started, and this one, share the block.
    }
    work.Run();
    for (std::thread& helper : helpers) {
        helper.join();
    }
}

} // namespace

RowsOutcome writeRowsInParallel(std::uint64_t count, unsigned jobs, const MakeRow& makeRow,
                                const WriteRows& write, const RowsDone& done) {
    jobs = std::max(jobs, 1u);
    const std::uint64_t blockSize = std::min<std::uint64_t>(count, kItemsPerThread * jobs);
    std::vector<std::string> rows(blockSize);
    CBlockWork work(makeRow, rows);
    std::string text;
    for (std::uint64_t first = 0; first < count; first += blockSize) {
        const std::uint64_t size = std::min(blockSize, count - first);
        work.Start(first, size);
        runBlock(work, jobs);
        if (work.OutOfMemory()) {
            return RowsOutcome::OutOfMemory;
        }
        text.clear();
        for (std::uint64_t i = 0; i < size; ++i) {
            text += rows[i];
        }
        if (!write(text)) {
            return RowsOutcome::WriteFailed;
        }
        if (done) {
            done(first + size);
        }
    }
    return RowsOutcome::Written;
}
