#pragma once

#include "vcl/Controls.h"

#include <QPointer>
#include <QWidget>

struct TControl::Impl {
    explicit Impl(QWidget* w) : widget(w) {}
    virtual ~Impl() { delete widget.data(); }
    QPointer<QWidget> widget;
};

// The toolkit widget behind a control.
inline QWidget* WidgetOf(const TControl& control)
{
    return control.impl().widget;
}

// The face names tried for a font: the stored one first, then Japanese fonts with the
// same metrics that a Linux desktop is likely to have.
QFont ToQFont(const TFont& font);
