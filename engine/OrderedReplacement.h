#pragma once

#include "EngineLimits.h"
#include "StatusCodes.h"
#include "TextReplace.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <queue>
#include <string>
#include <vector>

// The walk both data-file passes make: through a long list of (key, replacement) pairs in a fixed
// order, each pair taking its turn once, and at its turn replacing every occurrence of its key that
// the formula holds then. A replacement may bring in a key whose turn is still to come (a chain), or
// break up one. The list can hold a million pairs while a formula names a few, so instead of visiting
// every pair, the walk looks the formula up in an index: it takes the keys that occur, visits their
// pairs in turn order, and after each replacement looks for keys only where text was inserted, since
// any other occurrence was there before. The text that results is the one the full walk gives.
//
// An Index provides:
//   using Turn = ...;   an unsigned number; the turns of the pairs are in list order
//   std::size_t longestKey() const;
//   void findTurns(const std::string& formula, std::size_t firstStart, std::size_t lastStart,
//                  std::optional<Turn> after, std::vector<Turn>& turns) const;
//       appends, for each key that begins in the formula from firstStart to lastStart, the first turn
//       after `after` (from the first when none) of a pair with that key, when there is one
//   std::string keyOf(Turn turn) const;
//   std::string replacementOf(Turn turn) const;

namespace ordered_replacement {

/// Calls `scan(first, last)` with the stretches of start positions where a key may overlap a text
/// inserted at `insertedAt`, each `insertedLength` long, merged where they touch.
template <typename Scan>
void forEachTouchedStretch(const std::vector<std::size_t>& insertedAt, std::size_t insertedLength,
                           std::size_t longestKey, std::size_t textSize, Scan scan) {
    std::optional<std::pair<std::size_t, std::size_t>> open;
    for (const std::size_t at : insertedAt) {
        const std::size_t first = at + 1 >= longestKey ? at + 1 - longestKey : 0;
        const std::size_t last = std::min(at + std::max<std::size_t>(insertedLength, 1) - 1, textSize - 1);
        if (open && first <= open->second + 1) {
            open->second = std::max(open->second, last);
            continue;
        }
        if (open)
            scan(open->first, open->second);
        open = std::pair{first, last};
    }
    if (open)
        scan(open->first, open->second);
}

} // namespace ordered_replacement

/// Runs the walk over `formula`. Returns 0, or kFormulaTooComplex as soon as a replacement would make
/// the formula longer than kMaxFormulaLength.
template <typename Index> int replaceInListOrder(std::string& formula, const Index& index) {
    using Turn = typename Index::Turn;
    if (formula.empty() || index.longestKey() == 0)
        return 0;
    std::vector<Turn> turns;
    index.findTurns(formula, 0, formula.size() - 1, std::nullopt, turns);
    std::priority_queue<Turn, std::vector<Turn>, std::greater<Turn>> queue(std::greater<Turn>(),
                                                                           std::move(turns));
    std::optional<Turn> last;
    std::vector<std::size_t> insertedAt;
    while (!queue.empty()) {
        const Turn turn = queue.top();
        queue.pop();
        if (last && turn <= *last)
            continue; // found more than once
        const std::string replacement = index.replacementOf(turn);
        insertedAt.clear();
        if (!replaceAll(formula, index.keyOf(turn), replacement, kMaxFormulaLength, &insertedAt))
            return kFormulaTooComplex;
        if (insertedAt.empty())
            continue; // replaced away since it was found
        last = turn;
        turns.clear();
        ordered_replacement::forEachTouchedStretch(
            insertedAt, replacement.size(), index.longestKey(), formula.size(),
            [&](std::size_t first, std::size_t lastStart) {
                index.findTurns(formula, first, lastStart, last, turns);
            });
        std::sort(turns.begin(), turns.end());
        turns.erase(std::unique(turns.begin(), turns.end()), turns.end());
        for (const Turn next : turns)
            queue.push(next);
    }
    return 0;
}
