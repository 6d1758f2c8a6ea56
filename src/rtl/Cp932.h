#pragma once

#include "rtl/AnsiString.h"

#include <string>
#include <string_view>

// The one place where code page 932 meets Unicode (UTF-8).
// Characters the target cannot hold become "?"; nothing is dropped silently.
AnsiString Utf8ToAnsi(std::string_view utf8);
std::string AnsiToUtf8(std::string_view ansi);

// True for a byte that opens a double-byte character in code page 932.
bool IsLeadByte(unsigned char byte);

// Length in bytes of the character that starts at ansi[index] (1 or 2).
std::size_t CharLength(std::string_view ansi, std::size_t index);
