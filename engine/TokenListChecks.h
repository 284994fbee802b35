#pragma once

#include "Token.h"

#include <string>
#include <vector>

/// The checks on a complete token list, in order: an empty text, no tokens, an operator alone, a last
/// operator without its operand, a first operator without its operand, too many tokens. Returns 0 or
/// the code of the first that fails; an open list call or parenthesis is the tokenizer's to report.
int checkTokenList(const std::string& text, const std::vector<Token>& tokens);
