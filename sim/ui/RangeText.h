#pragma once

#include "NumberRange.h"

#include <QString>

/// rangeText in the interface's language: its words translated one by one (context "NumberRange") and
/// put together as rangeText puts them.
QString TranslatedRangeText(const NumberRange& range);
