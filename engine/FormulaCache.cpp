#include "FormulaCache.h"

FormulaCache::FormulaCache() {
    // The slot filled longest ago has the greatest age, so the first ten formulas take slots 0 to 9.
    for (int slot = 0; slot < kSlotCount; ++slot)
        slotAges[slot] = kSlotCount - 1 - slot;
}

// Replacement goes by filling order, counted in misses: a hit does not refresh a slot's age. The ages
// are always a permutation of 0 to 9 (the oldest slot becomes 0 while all others grow by one), so
// they never overflow however long an engine lives.
bool FormulaCache::FindSlot(const std::string& text) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (slotTexts[slot] == text) {
            current = slot;
            return false;
        }
    }
    int oldest = 0;
    for (int slot = 1; slot < kSlotCount; ++slot)
        if (slotAges[slot] > slotAges[oldest])
            oldest = slot;
    for (int& age : slotAges)
        ++age;
    slotAges[oldest] = 0;
    slotTexts[oldest] = text;
    current = oldest;
    return true;
}
