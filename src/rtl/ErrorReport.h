#pragma once

#include "rtl/AnsiString.h"

// The text of the error report: the message, with a "." added when its last character
// opens with a byte above ".", so that a sentence ending in Japanese gets its full stop.
AnsiString ErrorReportText(const AnsiString& message);
