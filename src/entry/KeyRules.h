#pragma once

#include "entry/CodeFields.h"
#include "entry/RunHistory.h"

namespace entry {

// A typed character reaches these as one byte; setting it to 0 swallows it.
void MakerCodeKeyPress(CodeFields& fields, unsigned char& key);
void ItemCodeKeyPress(CodeFields& fields, RunHistory& history, unsigned char& key);

// A keypad button: its caption is the digit it enters.
void DigitButtonClick(CodeFields& fields, const AnsiString& digit);

} // namespace entry
