#pragma once

#include "rtl/AnsiString.h"

namespace entry {

enum class Field { MakerCode, ItemCode, CheckDigit };

// What the entry rules see of the window: three field texts, the focus and the message box.
class CodeFields {
public:
    virtual ~CodeFields() = default;
    virtual AnsiString Text(Field field) const = 0;
    virtual void SetText(Field field, const AnsiString& text) = 0;
    // Takes effect at once; does nothing when the item code field already has the focus.
    virtual void FocusItemCode() = 0;
    // The plain message box: returns when the user has closed it.
    virtual void ShowMessage(const AnsiString& text) = 0;
};

} // namespace entry
