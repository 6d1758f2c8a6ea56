#pragma once

#include "vcl/Controls.h"

class TForm;

// A button that never takes the keyboard focus.
class TSpeedButton : public TControl {
public:
    explicit TSpeedButton(TForm* Owner);
    AnsiString Caption() const;
    void SetCaption(const AnsiString& caption);

    TNotifyEvent OnClick;
};
