#pragma once

#include "EquationEngine.h"
#include "OperatorCode.h"

#include <charconv>
#include <ostream>
#include <string>
#include <vector>

/// The shortest text that reads back as `x`, the same in every locale.
inline std::string numberText(double x) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, x).ptr;
    return std::string(buffer, end);
}

inline std::string operationText(int op) {
    if (op == kOpenParen)
        return "(";
    if (op == kCloseParen)
        return ")";
    return operatorName(op);
}

/// One word per token, blank-separated: numbers and names as read, operations by their display names.
inline std::string describeTokens(const std::vector<Token>& tokens) {
    std::string text;
    for (const Token& token : tokens) {
        if (!text.empty())
            text += ' ';
        if (token.kind == Token::kNumber)
            text += numberText(token.value);
        else if (token.kind == Token::kName)
            text += token.text;
        else
            text += operationText(token.op);
    }
    return text;
}

/// The tree in prefix form, as in "(+ 2 (* 3 4))"; "?" stands for a node the builder left unfilled.
inline std::string describeTree(const ExprNode& node) {
    if (node.kind == Token::kNumber)
        return numberText(node.value);
    if (node.kind == Token::kName)
        return node.name;
    if (node.kind != Token::kOperation)
        return "?";
    std::string text = "(" + operationText(node.op);
    for (const ExprNode& child : node.children)
        text += " " + describeTree(child);
    return text + ")";
}

/// What one evaluation on a fresh engine left in its slot.
struct Parsed {
    int status = 0;
    double value = 0.0;
    std::string tokens;
    std::string tree;
};

/// Evaluates `formula` on a fresh engine, with x = 2 and t = 3 bound, in the given number base.
inline Parsed parseFormula(const std::string& formula, int numberBase = 10, int decimalComma = 0) {
    EquationEngine engine;
    const CurrentEngineScope scope(engine);
    engine.numberBase = numberBase;
    engine.decimalComma = decimalComma;
    Parsed parsed;
    parsed.status = engine.Evaluate(formula, {{"x", 2.0}, {"t", 3.0}}, parsed.value);
    parsed.tokens = describeTokens(engine.SlotTokens(engine.CurrentSlot()));
    parsed.tree = describeTree(engine.SlotTree(engine.CurrentSlot()));
    return parsed;
}
