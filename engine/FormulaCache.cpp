#include "EquationEngine.h"

// Replacement goes by filling order, counted in misses: a hit does not refresh a slot's age. The ages
// are always a permutation of 0 to 9 (the oldest slot becomes 0 while all others grow by one), so
// they never overflow however long an engine lives.
bool EquationEngine::FindSlot(const std::string& text) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (slotTexts[slot] == text) {
            currentSlot = slot;
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
    currentSlot = oldest;
    return true;
}
