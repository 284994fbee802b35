#pragma once

#include "Token.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

/// The character-driven state machine of the parse step: turns the working text of one formula into a
/// token list, with implicit multiplication, unary minus, automatic parentheses after function words
/// written without them and argument counting for list functions, and stops at the first syntax error.
class Tokenizer {
public:
    /// Numbers are read in `numberBase`; `decimalMark` is "." or ",".
    Tokenizer(const std::string& text, std::vector<Token>& tokens, int numberBase, char decimalMark);

    /// Tokenizes the whole text and checks that every parenthesis and list call is closed.
    /// Returns 0 or the code of the first syntax error; the tokens emitted until then stay.
    int run();

    /// The base in force where the tokenizer stopped. The target base after "convbase" is read in
    /// decimal, and the base in force comes back only once that number is read: when none follows, the
    /// engine goes on in decimal.
    int numberBase() const { return base; }

private:
    enum class State { Start, Number, Operator, Name, Word, Relation };

    /// A list function whose closing parenthesis has not been read yet.
    struct ListCall {
        int op;
        int separators; // ":" read at the call's own level
        int depth;      // parentheses open inside the call, its own included
    };

    char nextChar();
    void readNext() { ch = nextChar(); }
    int step();
    int onStart();
    int onNumber();
    int onName();
    int onWord();
    int onRelation();
    int onOperator();
    int finishText();

    int dispatch();
    bool beginsImplicitProduct() const;
    bool beginsUnaryMinus() const;
    bool beginsNumber(char c) const;
    int operatorCode(int& op);
    bool breaksOperatorSequence(int before, int op) const;
    int countListCall(int op);
    int finishNumber();
    void finishName();
    int attachWord(int op);
    int joinLeftOperand(int op);
    void closeAutoParens();

    const Token* lastToken() const { return tokens.empty() ? nullptr : &tokens.back(); }
    int lastOperation() const;
    void emitNumber(double value);
    void emitOperation(int op, double value = 0.0);

    const std::string& text;
    std::vector<Token>& tokens;
    int base;
    const char decimalMark;
    std::size_t position = 0;

    State state = State::Start;
    char ch = ' ';
    char lastChar = '\0'; // none yet
    bool negatePending = false;
    int autoParens = 0;
    int parenDepth = 0;
    std::optional<int> savedBase; // the base to restore once the operand of "convbase" is read
    std::vector<ListCall> calls;
    std::string nameBuffer;
    std::string numberBuffer;
};
