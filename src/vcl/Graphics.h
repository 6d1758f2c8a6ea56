#pragma once

#include "rtl/AnsiString.h"

// A font by face name and character height in pixels (a negative Height, as stored).
struct TFont {
    AnsiString Name;
    int Height = -12;
};
