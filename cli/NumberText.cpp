#include "NumberText.h"

#include "CLocaleNumber.h"
#include "QuotedValue.h"

bool parseNumber(const std::string& text, double& value) {
    if (text.empty()) {
        return false;
    }
    const char* end = nullptr;
    value = cLocaleLeadingNumber(text.c_str(), &end);
    return end != text.c_str() && *end == '\0';
}

bool parseNumberIn(const std::string& name, const std::string& text, NumberRange range, double& value,
                   std::string& error) {
    if (parseNumber(text, value) && isInRange(value, range)) {
        return true;
    }
    error = name + " needs " + rangeText(range) + ", not " + quoted(text);
    return false;
}
