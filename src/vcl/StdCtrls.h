#pragma once

#include "vcl/Controls.h"

class TForm;

using TKeyPressEvent = std::function<void(TObject* Sender, unsigned char& Key)>;

// A single-line text field. Every character key reaches OnKeyPress first, one byte of code
// page 932 per call; a Key set to 0 is swallowed. Tab order follows creation order.
class TEdit : public TWinControl {
public:
    explicit TEdit(TForm* Owner);

    AnsiString Text() const;
    // Text the program assigns is never cut to MaxLength.
    void SetText(const AnsiString& text);
    void Clear() { SetText({}); }
    // In bytes; bounds what the user types, pastes or composes. 0: no limit.
    void SetMaxLength(int bytes);
    void SetTabStop(bool tabStop);
    void SetAutoSelect(bool autoSelect);

    TKeyPressEvent OnKeyPress;
};

class TLabel : public TControl {
public:
    explicit TLabel(TForm* Owner);
    AnsiString Caption() const;
    // The label sizes itself to its caption.
    void SetCaption(const AnsiString& caption);
    // The control the label names; it takes the caption as its accessible name.
    void SetFocusControl(TWinControl* control);
};
