#include "TreeBuilder.h"

#include "EngineLimits.h"
#include "OperatorCode.h"
#include "StatusCodes.h"

namespace {

bool isOpenParen(const Token& token) {
    return token.kind == Token::kOperation && token.op == kOpenParen;
}

bool isCloseParen(const Token& token) {
    return token.kind == Token::kOperation && token.op == kCloseParen;
}

} // namespace

int buildTree(const std::vector<Token>& tokens, ExprNode& root) {
    // Reset the whole root: an unfilled node must not keep the value of the formula the slot held before.
    root = ExprNode{};
    if (TreeBuilder(tokens).buildRange(0, static_cast<int>(tokens.size()) - 1, root, 0) != kFormulaTooComplex)
        return 0;
    root = ExprNode{};
    return kFormulaTooComplex;
}

TreeBuilder::TreeBuilder(const std::vector<Token>& tokens)
    : tokens(tokens), closing(tokens.size()), previousTake(tokens.size()) {
    // Matching pairs once, so that skipping a parenthesised group costs nothing however often it is met.
    std::vector<int> open;
    for (int k = 0; k < static_cast<int>(tokens.size()); ++k) {
        if (isOpenParen(tokens[k])) {
            closing[k] = static_cast<int>(tokens.size());
            open.push_back(k);
        } else if (isCloseParen(tokens[k]) && !open.empty()) {
            closing[open.back()] = k;
            open.pop_back();
        }
    }
}

// `knownSplit` is the split point of the range when the caller knows it already (see splitIndex).
int TreeBuilder::buildRange(int first, int last, ExprNode& node, int depth, int knownSplit) {
    if (depth >= kMaxTreeDepth)
        return kFormulaTooComplex;
    if (last >= static_cast<int>(tokens.size()))
        return kNoSplitPoint;
    while (first <= last && isOpenParen(tokens[first]) && closing[first] == last) {
        ++first;
        --last;
        knownSplit = kSplitUnknown;
    }
    if (first == last) {
        const Token& leaf = tokens[first];
        node.kind = leaf.kind;
        node.name = leaf.text;
        node.value = leaf.value;
        return 0;
    }
    const int split = knownSplit != kSplitUnknown ? knownSplit : splitIndex(first, last);
    const Token* root = tokenAt(split);
    if (root == nullptr)
        return kNoSplitPoint;
    node.kind = Token::kOperation;
    node.op = root->op;
    if (isBinary(root->op)) {
        node.children.resize(2);
        if (const int code = buildChild(first, split - 1, node.children[0], depth, previousTake[split]))
            return code;
        return buildChild(split + 1, last, node.children[1], depth);
    }
    if (isPostfix(root->op)) {
        node.children.resize(1);
        return buildChild(first, split - 1, node.children[0], depth, previousTake[split]);
    }
    if (isListFunction(root->op))
        return buildArguments(split, node, depth);
    if (isFunction(root->op)) {
        // The operand is everything to the right; tokens to the left of a function that outranks them
        // take no part (2^sin x is sin x).
        node.children.resize(1);
        return buildChild(split + 1, last, node.children[0], depth);
    }
    return 0;
}

const Token* TreeBuilder::tokenAt(int index) const {
    return index >= 0 && index < static_cast<int>(tokens.size()) ? &tokens[index] : nullptr;
}

// Operands count as candidates of class -1, so a range of operands alone splits at its last token;
// -1 when no token outside parentheses qualifies.
//
// The scan of a range passes through the same states as the scan of any range that starts at the same
// token and ends earlier, so the split point of the part left of the split is the candidate taken just
// before it. Remembering that candidate lets a left-associative chain of n operators be built in
// linear time instead of n scans of the whole chain. A left part is built before anything to its right
// and a scan writes only inside its own range, so a remembered candidate is still in place when it is
// read; a left part enclosed in parentheses is scanned afresh instead.
int TreeBuilder::splitIndex(int first, int last) {
    int split = -1;
    int best = -1;
    for (int k = first; k <= last; ++k) {
        if (isOpenParen(tokens[k])) {
            k = closing[k];
            continue;
        }
        const int candidate = precedenceClass(tokens[k].op);
        if (candidate >= best && candidate != precedenceClass(kCloseParen)) {
            best = candidate;
            previousTake[k] = split;
            split = k;
        }
    }
    return split;
}

// A child that cannot be built stays unfilled and fails when evaluated; only the depth limit stops the build.
int TreeBuilder::buildChild(int first, int last, ExprNode& child, int depth, int knownSplit) {
    const int code = buildRange(first, last, child, depth + 1, knownSplit);
    return code == kFormulaTooComplex ? code : 0;
}

// One child per argument of the list call at `call`: the arguments begin after its "(" and end at a ":"
// of their own level or at the call's ")".
int TreeBuilder::buildArguments(int call, ExprNode& node, int depth) {
    int start = call + 2;
    int level = 0;
    for (int k = start; k < static_cast<int>(tokens.size()); ++k) {
        const Token& token = tokens[k];
        if (isOpenParen(token))
            ++level;
        else if (isCloseParen(token))
            --level;
        const bool separator = token.kind == Token::kOperation && token.op == kSeparator && level == 0;
        if (!separator && level >= 0)
            continue;
        node.children.emplace_back();
        if (const int code = buildChild(start, k - 1, node.children.back(), depth))
            return code;
        if (level < 0)
            break;
        start = k + 1;
    }
    return 0;
}
