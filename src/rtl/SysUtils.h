#pragma once

#include "rtl/AnsiString.h"

#include <optional>

AnsiString IntToStr(int value);

// Decimal with an optional sign, or hexadecimal after "$", "x", "X", "0x" or "0X"
// (32 bits, taken as signed); leading blanks are skipped, nothing may follow.
std::optional<int> TryStrToInt(const AnsiString& text);

// As TryStrToInt; raises EConvertError "'<text>' は整数ではありません" when it is no number.
int StrToInt(const AnsiString& text);

int StrToIntDef(const AnsiString& text, int fallback);

// Replaces the first "%s" of a message template.
AnsiString FormatMessage(const AnsiString& pattern, const AnsiString& argument);
