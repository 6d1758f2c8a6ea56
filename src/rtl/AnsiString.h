#pragma once

#include <string>

// Every text the rules handle is a byte string in code page 932 (Shift-JIS);
// its length is a count of bytes, so a double-byte character counts two.
using AnsiString = std::string;
