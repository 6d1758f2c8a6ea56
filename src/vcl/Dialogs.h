#pragma once

#include "rtl/AnsiString.h"

// The plain message box: the application title as caption, no icon, one "OK" button.
// Returns when the user has closed it.
void ShowMessage(const AnsiString& text);
