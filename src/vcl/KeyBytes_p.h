#pragma once

#include "rtl/AnsiString.h"

#include <optional>

class QKeyEvent;

// The character a key press produces, as bytes of code page 932, or nothing for a key that
// produces none (Delete, arrows, Home, End, the clipboard keys on Insert and Delete).
// Control codes come from the key and its modifiers, never from the text the event
// carries, since that text differs between X servers, platforms and input methods.
std::optional<AnsiString> CharacterBytes(const QKeyEvent& event);
