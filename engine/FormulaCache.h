#pragma once

#include "ExprNode.h"
#include "FormulaProgram.h"
#include "Token.h"

#include <array>
#include <string>
#include <vector>

/// The ten slots of parsed formulas an engine keeps: per slot the formula text, its token list, its
/// expression tree and the program it is evaluated by, and the slot chosen by the last lookup.
class FormulaCache {
public:
    static constexpr int kSlotCount = 10;

    FormulaCache();

    /// Makes the slot of `text` current. False on a hit; true on a miss, when the slot filled longest
    /// ago now holds the text and must be parsed.
    bool FindSlot(const std::string& text);
    /// Empties the text of `slot`, so that no lookup matches it (after a failed parse).
    void forgetText(int slot) { slotTexts[slot].clear(); }

    int currentSlot() const { return current; }
    const std::string& text(int slot) const { return slotTexts[slot]; }
    const std::vector<Token>& tokens(int slot) const { return slotTokens[slot]; }
    std::vector<Token>& tokens(int slot) { return slotTokens[slot]; }
    const ExprNode& tree(int slot) const { return slotTrees[slot]; }
    ExprNode& tree(int slot) { return slotTrees[slot]; }
    const FormulaProgram& program(int slot) const { return slotPrograms[slot]; }
    FormulaProgram& program(int slot) { return slotPrograms[slot]; }

private:
    int current = 0;
    std::array<ExprNode, kSlotCount> slotTrees;
    std::array<FormulaProgram, kSlotCount> slotPrograms;
    std::array<std::vector<Token>, kSlotCount> slotTokens;
    std::array<std::string, kSlotCount> slotTexts;
    std::array<int, kSlotCount> slotAges{};
};
