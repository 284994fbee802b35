#include "parse_checks.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

bool isParen(const Token& token, int op) {
    return token.kind == Token::kOperation && token.op == op;
}

/// The tree builder in its plainest form, every range scanned from its first token and every
/// parenthesis matched by counting, to check the builder against on many formulas.
class ReferenceBuilder {
public:
    explicit ReferenceBuilder(const std::vector<Token>& tokens) : tokens(tokens) {}

    void build(int first, int last, ExprNode& node) const {
        const int count = static_cast<int>(tokens.size());
        if (last >= count)
            return;
        while (first <= last && isParen(tokens[first], kOpenParen) && closingOf(first) == last) {
            ++first;
            --last;
        }
        if (first == last) {
            node.kind = tokens[first].kind;
            node.name = tokens[first].text;
            node.value = tokens[first].value;
            return;
        }
        const int split = splitIndex(first, last);
        if (split < 0)
            return;
        const int op = tokens[split].op;
        node.kind = Token::kOperation;
        node.op = op;
        if (isBinary(op)) {
            node.children.resize(2);
            build(first, split - 1, node.children[0]);
            build(split + 1, last, node.children[1]);
        } else if (isPostfix(op)) {
            node.children.resize(1);
            build(first, split - 1, node.children[0]);
        } else if (isListFunction(op)) {
            int start = split + 2;
            int depth = 0;
            for (int k = start; k < count && depth >= 0; ++k) {
                depth += isParen(tokens[k], kOpenParen) ? 1 : isParen(tokens[k], kCloseParen) ? -1 : 0;
                if (depth < 0 || (depth == 0 && isParen(tokens[k], kSeparator))) {
                    node.children.emplace_back();
                    build(start, k - 1, node.children.back());
                    start = k + 1;
                }
            }
        } else if (isFunction(op)) {
            node.children.resize(1);
            build(split + 1, last, node.children[0]);
        }
    }

private:
    int closingOf(int open) const {
        int depth = 0;
        for (int k = open + 1; k < static_cast<int>(tokens.size()); ++k) {
            depth += isParen(tokens[k], kOpenParen) ? 1 : isParen(tokens[k], kCloseParen) ? -1 : 0;
            if (depth < 0)
                return k;
        }
        return static_cast<int>(tokens.size());
    }

    int splitIndex(int first, int last) const {
        int split = -1;
        int best = -1;
        for (int k = first; k <= last; ++k) {
            if (isParen(tokens[k], kOpenParen)) {
                k = closingOf(k);
                continue;
            }
            const int candidate = precedenceClass(tokens[k].op);
            if (candidate >= best && candidate != 1) {
                best = candidate;
                split = k;
            }
        }
        return split;
    }

    const std::vector<Token>& tokens;
};

/// Random formulas, mostly well formed, with now and then a piece that the grammar would not put there.
class FormulaGenerator {
public:
    explicit FormulaGenerator(unsigned seed) : random(seed) {}

    std::string expression(int depth) {
        std::string text = term(depth);
        for (int n = pick(3); n > 0; --n)
            text += choose({"+", "-", "*", "/", "^", " mod ", "<", "==", " npr "}) + term(depth);
        return text;
    }

private:
    std::string term(int depth) {
        if (pick(12) == 0)
            return choose({"(", ")", ":", "-", "!", "2*-", "sin", "max("});
        switch (depth > 0 ? pick(8) : pick(2)) {
        case 0:
            return choose({"1", "2", "x", "0.5"});
        case 1:
            return choose({"x", "3", "y2"});
        case 2:
            return "(" + expression(depth - 1) + ")";
        case 3:
            return choose({"sin ", "sqrt ", "int ", "abs "}) + term(depth - 1);
        case 4:
            return choose({"sin(", "fib("}) + expression(depth - 1) + ")";
        case 5: {
            std::string text = "max(" + expression(depth - 1);
            for (int n = pick(3); n > 0; --n)
                text += ":" + expression(depth - 1);
            return text + ")";
        }
        case 6:
            return term(depth - 1) + choose({"!", "%", " celciuskelvin"});
        default:
            return "-" + term(depth - 1);
        }
    }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    std::string choose(std::initializer_list<const char*> texts) { return texts.begin()[pick(texts.size())]; }

    std::mt19937 random;
};

TEST(TreeReferenceTest, BuildsTheTreeOfThePlainAlgorithm) {
    FormulaGenerator generator(20240611);
    int compared = 0;
    for (int i = 0; i < 10000; ++i) {
        const std::string formula = generator.expression(3);
        EquationEngine engine;
        currentEngine = &engine;
        double result = 0.0;
        const int status = engine.Evaluate(formula, {{"x", 2.0}}, result);
        currentEngine = nullptr;
        if (status != 0 && status < 21)
            continue;
        const std::vector<Token>& tokens = engine.SlotTokens(engine.CurrentSlot());
        ExprNode expected;
        ReferenceBuilder(tokens).build(0, static_cast<int>(tokens.size()) - 1, expected);
        ASSERT_EQ(describeTree(engine.SlotTree(engine.CurrentSlot())), describeTree(expected)) << formula;
        ++compared;
    }
    EXPECT_GT(compared, 3000);
}

} // namespace
