#include "Tokenizer.h"

#include "BaseDigits.h"
#include "EngineLimits.h"
#include "NumberReader.h"
#include "OperatorCode.h"
#include "StatusCodes.h"

namespace {

// nextChar answers a blank once the text is used up; the blanks inside it are skipped.
constexpr char kEndOfText = ' ';

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLower(char c) {
    return c >= 'a' && c <= 'z';
}

bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

bool isRelationChar(char c) {
    return c == '=' || c == '>' || c == '<' || c == '!';
}

} // namespace

Tokenizer::Tokenizer(const std::string& text, std::vector<Token>& tokens, int numberBase, char decimalMark)
    : text(text), tokens(tokens), base(numberBase), decimalMark(decimalMark) {}

int Tokenizer::run() {
    readNext();
    while (ch != kEndOfText)
        if (const int code = step())
            return code;
    if (const int code = finishText())
        return code;
    if (!calls.empty())
        return kMissingParameter;
    if (parenDepth != 0)
        return kUnmatchedParenthesis;
    return 0;
}

char Tokenizer::nextChar() {
    while (position < text.size()) {
        const char c = text[position++];
        if (c != ' ' && c != '\t' && c != '\n')
            return c;
    }
    return kEndOfText;
}

int Tokenizer::step() {
    switch (state) {
    case State::Start:
        return onStart();
    case State::Number:
        return onNumber();
    case State::Operator:
        return onOperator();
    case State::Name:
        return onName();
    case State::Word:
        return onWord();
    case State::Relation:
        return onRelation();
    }
    return kInvalidCharacter; // no other state exists
}

// A new token begins at ch.
int Tokenizer::onStart() {
    if (isListFunction(lastOperation()) && ch != '(')
        return kMissingCallParenthesis;
    if (beginsImplicitProduct()) {
        emitOperation(kMultiply);
        lastChar = '*';
    }
    if (ch == '-' && beginsUnaryMinus()) {
        // A minus that begins an operand multiplies it by -1, so -x^2 is -(x^2).
        emitNumber(-1.0);
        emitOperation(kMultiply, -1.0);
        lastChar = '*';
        readNext();
    }
    return dispatch();
}

bool Tokenizer::beginsImplicitProduct() const {
    const Token* last = lastToken();
    if (last == nullptr)
        return false;
    const bool operandAhead = isDigit(ch) || isUpper(ch) || isLower(ch) || ch == decimalMark;
    const bool operandBehind = last->kind != Token::kOperation || last->op == kCloseParen;
    return (lastChar == ')' && operandAhead) || (ch == '(' && operandBehind) ||
           (isLower(ch) && last->kind == Token::kNumber);
}

bool Tokenizer::beginsUnaryMinus() const {
    const int before = lastOperation();
    return tokens.empty() || isComparison(before) || before == kAssign || lastChar == '(' ||
           isFunction(before);
}

int Tokenizer::dispatch() {
    if (beginsNumber(ch))
        state = State::Number;
    else if (isDigit(ch) || isUpper(ch))
        return kDigitOutOfBase;
    else if (isLower(ch))
        state = State::Name;
    else if (isRelationChar(ch))
        state = State::Relation;
    else if (isOperatorChar(ch))
        state = State::Operator;
    else
        return kInvalidCharacter;
    return 0;
}

bool Tokenizer::beginsNumber(char c) const {
    return passesDigitTest(c, base, DigitLetters::UpperCase) || c == decimalMark;
}

int Tokenizer::onNumber() {
    if (!beginsNumber(ch))
        return finishNumber();
    numberBuffer += ch == ',' ? '.' : ch;
    lastChar = ch;
    readNext();
    return 0;
}

int Tokenizer::finishNumber() {
    double value = 0.0;
    if (const int code = readNumber(numberBuffer, base, value))
        return code;
    if (savedBase) {
        base = *savedBase;
        savedBase.reset();
    }
    emitNumber(negatePending ? -value : value);
    negatePending = false;
    numberBuffer.clear();
    state = State::Start;
    return 0;
}

// A word is recognised the moment it is complete, whatever follows: "sinx" is sin x and "cost" is
// cos t. Only "mod" followed by "e" reads on, so that "mode" can be written.
int Tokenizer::onName() {
    if (isFunctionName(nameBuffer) && !(nameBuffer == "mod" && ch == 'e')) {
        state = State::Word;
        return 0;
    }
    if (isDigit(ch) || isLower(ch) || isUpper(ch)) {
        nameBuffer += ch;
        lastChar = ch;
        readNext();
        return 0;
    }
    finishName();
    return 0;
}

void Tokenizer::finishName() {
    if (negatePending)
        nameBuffer.insert(0, 1, '-');
    tokens.push_back({Token::kName, 0.0, std::move(nameBuffer), 0});
    nameBuffer.clear();
    negatePending = false;
    state = State::Start;
}

int Tokenizer::onWord() {
    if (const int code = attachWord(functionCode(nameBuffer)))
        return code;
    state = State::Start;
    return 0;
}

// Emits the word in the name buffer: a word read before the end of the text, or a postfix word that ends it.
int Tokenizer::attachWord(int op) {
    // A minus pending after an operator cannot reach a function's value, and losing it silently
    // would change the result (2*-sin x).
    if (negatePending)
        return kOperatorsInARow;
    if (op == kConvbase) {
        // The target base that follows is written in decimal whatever the base in force.
        savedBase = base;
        base = 10;
    }
    if (const int code = joinLeftOperand(op))
        return code;
    const int before = lastOperation();
    if (autoParens > 0 && before != 0 && precedenceClass(before) < precedenceClass(op) && isBinary(op))
        closeAutoParens();
    emitOperation(op);
    if (isListFunction(op)) {
        calls.push_back({op, 0, 0});
    } else if (!isPostfix(op)) {
        // A function or word operator written without parentheses takes the operand that follows.
        emitOperation(kOpenParen);
        ++autoParens;
        lastChar = '(';
    }
    nameBuffer.clear();
    return 0;
}

// A word that takes a left operand replaces a "*" before it: the implicit product of "5mod3" or a
// written one.
int Tokenizer::joinLeftOperand(int op) {
    const int before = lastOperation();
    if (before == 0 || !(isBinary(op) || isPostfix(op)))
        return 0;
    if (before == kMultiply) {
        tokens.pop_back();
        return 0;
    }
    if (precedenceClass(before) > precedenceClass(op) || (isBinary(op) && !isPostfix(before)))
        return kOperatorsInARow;
    return 0;
}

int Tokenizer::onRelation() {
    const char first = ch;
    readNext();
    if (first == '!' && !isRelationChar(ch)) {
        // "!" alone is the factorial: read it as an operator, the character after it still unread.
        if (ch != kEndOfText)
            --position;
        ch = '!';
        state = State::Operator;
        return 0;
    }
    int op = kAssign;
    if (ch == '=') {
        op = first == '=' ? kEqual : first == '>' ? kGreaterEqual : first == '<' ? kLessEqual : kNotEqual;
        readNext();
        lastChar = '=';
    } else if (isRelationChar(ch)) {
        return kInvalidCharacter;
    } else {
        op = first == '>' ? kGreater : first == '<' ? kLess : kAssign;
        lastChar = first;
    }
    if (op == kAssign && (tokens.empty() || tokens.back().kind != Token::kName))
        return kAssignmentWithoutVariable;
    emitOperation(op);
    state = State::Start;
    return 0;
}

int Tokenizer::onOperator() {
    int op = 0;
    if (const int code = operatorCode(op))
        return code;
    const int before = lastOperation();
    if (negatePending) {
        // The operator is not emitted: the minus waits for the next number or name. A parenthesis
        // cannot carry it, and dropping the parenthesis would unbalance the formula.
        if (op == kOpenParen)
            return kOperatorsInARow;
        lastChar = ch;
        readNext();
        state = State::Start;
        return 0;
    }
    if (before != 0 && breaksOperatorSequence(before, op))
        return kOperatorsInARow;
    if (before == kOpenParen && autoParens > 0) {
        // A written "(" takes the place of the automatic one.
        tokens.pop_back();
        --autoParens;
    }
    if (const int code = countListCall(op))
        return code;
    // Every operator character ends the operand of a function written without parentheses:
    // "sin x+1" is sin(x)+1.
    closeAutoParens();
    emitOperation(op);
    lastChar = ch;
    readNext();
    state = State::Start;
    return 0;
}

// The code of the operator character ch, after the checks that depend on it alone. A minus after an
// operator character leaves op at 0 and negates what follows instead.
int Tokenizer::operatorCode(int& op) {
    switch (ch) {
    case '+':
        op = kPlus;
        return 0;
    case '*':
        op = kMultiply;
        return 0;
    case '/':
        op = kDivide;
        return 0;
    case '^':
        op = kPower;
        return 0;
    case '%':
        op = kPercent;
        return 0;
    case '!':
        op = kFactorial;
        return 0;
    case '(':
        if (++parenDepth > kMaxParenthesisDepth)
            return kFormulaTooComplex;
        op = kOpenParen;
        return 0;
    case ')':
        if (parenDepth == 0)
            return kUnmatchedParenthesis;
        if (lastChar == '(')
            return kEmptyParentheses;
        if (lastChar == ':')
            return kMissingParameter;
        --parenDepth;
        op = kCloseParen;
        return 0;
    case ':':
        if (calls.empty() || calls.back().depth != 1 || lastChar == '(')
            return kUnexpectedOperator;
        ++calls.back().separators;
        op = kSeparator;
        return 0;
    default: // '-'
        if (isOperatorChar(lastChar) && lastChar != ')' && !isPostfix(lastOperation()))
            negatePending = true;
        else
            op = kMinus;
        return 0;
    }
}

bool Tokenizer::breaksOperatorSequence(int before, int op) const {
    const bool beforeTakesOperand = isBinary(before) || isFunction(before);
    return (beforeTakesOperand && (isPostfix(op) || op == kCloseParen)) ||
           (isFunction(before) && isBinary(op)) || (isBinary(before) && isBinary(op)) ||
           (before == kOpenParen && op != kMinus && op != kOpenParen) ||
           (isPostfix(before) && isBinary(op) && precedenceClass(before) > precedenceClass(op)) ||
           (isFunction(before) && precedenceClass(before) <= precedenceClass(op) && op != kOpenParen &&
            op != kCloseParen);
}

// Counts the parentheses of the innermost open list call; its closing parenthesis checks the number
// of arguments.
int Tokenizer::countListCall(int op) {
    if (calls.empty())
        return 0;
    ListCall& call = calls.back();
    if (op == kOpenParen) {
        ++call.depth;
    } else if (op == kCloseParen && --call.depth == 0) {
        const ArgumentLimits limits = argumentLimits(call.op);
        if (call.separators < limits.min)
            return kMissingParameter;
        if (limits.max >= 0 && call.separators > limits.max)
            return kTooManyParameters;
        calls.pop_back();
    }
    return 0;
}

void Tokenizer::closeAutoParens() {
    tokens.insert(tokens.end(), autoParens, Token{Token::kOperation, 0.0, {}, kCloseParen});
    autoParens = 0;
}

int Tokenizer::finishText() {
    const bool numberPending =
        (isDigit(lastChar) || isUpper(lastChar) || lastChar == decimalMark) && nameBuffer.empty();
    if (numberPending) {
        if (const int code = finishNumber())
            return code;
    } else if (isFunctionName(nameBuffer)) {
        const int op = functionCode(nameBuffer);
        if (!isPostfix(op))
            return kMissingOperandAtEnd;
        if (const int code = attachWord(op))
            return code;
    } else if (isLower(lastChar) || !nameBuffer.empty()) {
        finishName();
    }
    closeAutoParens();
    return 0;
}

int Tokenizer::lastOperation() const {
    const Token* last = lastToken();
    return last != nullptr && last->kind == Token::kOperation ? last->op : 0;
}

void Tokenizer::emitNumber(double value) {
    tokens.push_back({Token::kNumber, value, {}, 0});
}

void Tokenizer::emitOperation(int op, double value) {
    tokens.push_back({Token::kOperation, value, {}, op});
}
