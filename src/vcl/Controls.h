#pragma once

#include "vcl/Classes.h"
#include "vcl/Graphics.h"

class TWinControl;

// A visible control. Its toolkit object lives behind Impl, so no toolkit type shows here.
class TControl : public TComponent {
public:
    struct Impl;
    ~TControl() override;

    void SetBounds(int left, int top, int width, int height);
    void SetFont(const TFont& font);
    // Shown to assistive technology, e.g. read out by a screen reader.
    void SetAccessibleName(const AnsiString& name);
    void SetName(const AnsiString& name) override;

    Impl& impl() const { return *impl_; }

protected:
    TControl(TComponent* Owner, std::unique_ptr<Impl> impl);

private:
    std::unique_ptr<Impl> impl_;
};

// A control that can hold the keyboard focus.
class TWinControl : public TControl {
public:
    void SetFocus();
    bool Focused() const;

protected:
    using TControl::TControl;
};
