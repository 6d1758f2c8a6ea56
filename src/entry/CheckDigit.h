#pragma once

#include "entry/CodeFields.h"
#include "entry/RunHistory.h"

namespace entry {

// Checks both codes, shows the check digit and records the 13-digit code.
// A character that is no digit raises EConvertError before anything changes.
void CalculateCheckDigit(CodeFields& fields, RunHistory& history);

// Empties the item code, then the check digit; the maker code and the focus stay.
void ClearForNextItem(CodeFields& fields);

// The Calculate button: calculates while no check digit is shown, else clears.
void CalculateButtonClick(CodeFields& fields, RunHistory& history);

} // namespace entry
