#include "vcl/Buttons.h"

#include "vcl/Controls_p.h"
#include "vcl/Forms.h"
#include "vcl/Guard_p.h"
#include "vcl/QtText_p.h"

#include <QPushButton>

namespace {

QPushButton& buttonOf(const TSpeedButton& button)
{
    return static_cast<QPushButton&>(*WidgetOf(button));
}

} // namespace

TSpeedButton::TSpeedButton(TForm* Owner)
    : TControl(Owner, std::make_unique<Impl>(new QPushButton(WidgetOf(*Owner))))
{
    QPushButton& button = buttonOf(*this);
    button.setFocusPolicy(Qt::NoFocus);
    button.setAutoDefault(false);
    // Each click of a double click is a click of its own: the toolkit turns the second
    // press into another press, so `clicked` fires twice.
    QObject::connect(&button, &QPushButton::clicked, [this] {
        if (OnClick)
            RunGuarded([this] { OnClick(this); });
    });
}

AnsiString TSpeedButton::Caption() const
{
    return ToAnsi(buttonOf(*this).text());
}

void TSpeedButton::SetCaption(const AnsiString& caption)
{
    QPushButton& button = buttonOf(*this);
    button.setText(ToQString(caption));
    button.setAccessibleName(button.text());
}
