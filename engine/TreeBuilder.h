#pragma once

#include "ExprNode.h"
#include "Token.h"

#include <vector>

/// Replaces `root` by the tree of a checked token list. Returns 0, or kFormulaTooComplex (leaving an
/// empty root) when the tree would grow deeper than kMaxTreeDepth. Ranges that cannot be built leave
/// their nodes unfilled for the evaluator to refuse.
int buildTree(const std::vector<Token>& tokens, ExprNode& root);

/// Builds the expression tree of a checked token list by splitting each token range at its root
/// operation: the greatest precedence class outside parentheses, the rightmost among equals, so that
/// every binary operator associates to the left (2^3^2 is 64).
class TreeBuilder {
public:
    explicit TreeBuilder(const std::vector<Token>& tokens);

    /// Fills `node` from the tokens `first` to `last`. Returns 0; 32 when the range lies outside the
    /// list or has no split point, leaving the node unfilled for the evaluator to refuse; or
    /// kFormulaTooComplex when the tree would grow deeper than kMaxTreeDepth.
    int buildRange(int first, int last, ExprNode& node, int depth) {
        return buildRange(first, last, node, depth, kSplitUnknown);
    }

private:
    static constexpr int kSplitUnknown = -2;

    int buildRange(int first, int last, ExprNode& node, int depth, int knownSplit);
    const Token* tokenAt(int index) const;
    int splitIndex(int first, int last);
    int buildChild(int first, int last, ExprNode& child, int depth, int knownSplit = kSplitUnknown);
    int buildArguments(int call, ExprNode& node, int depth);

    const std::vector<Token>& tokens;
    std::vector<int> closing;      // per "(" the index of its ")", or the list size when it has none
    std::vector<int> previousTake; // per split candidate taken by splitIndex, the one taken before it
};
