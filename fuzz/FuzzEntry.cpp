// libFuzzer's entry points for one target; the build names the harness in VORLINT_FUZZ_HARNESS.
#include "Harnesses.h"
#include "Invariant.h"

#include <chrono>

#if !defined(VORLINT_FUZZ_HARNESS) || !defined(VORLINT_FUZZ_SLOWDOWN)
#error "the build names the harness of this target and its instrumentation slowdown"
#endif

// An input may take 100 ms of plain work; everything here runs under AddressSanitizer,
// UndefinedBehaviorSanitizer and libFuzzer's coverage hooks, VORLINT_FUZZ_SLOWDOWN times slower.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::setTimeBudget(std::chrono::milliseconds(100 * VORLINT_FUZZ_SLOWDOWN));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    VORLINT_FUZZ_HARNESS(data, size);
    return 0;
}
