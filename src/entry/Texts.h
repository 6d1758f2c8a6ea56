#pragma once

#include "rtl/AnsiString.h"

namespace entry::Texts {
const AnsiString& IncompleteCode(); // コードを全部入力してください
const AnsiString& DigitsOnly();     // 数字のみです
} // namespace entry::Texts
