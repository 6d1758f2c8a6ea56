#include "vcl/StdCtrls.h"

#include "vcl/Controls_p.h"
#include "vcl/EditWidget_p.h"
#include "vcl/Forms.h"
#include "vcl/Guard_p.h"
#include "vcl/QtText_p.h"

#include <QLabel>

namespace {

EditWidget& editOf(const TEdit& edit)
{
    return static_cast<EditWidget&>(*WidgetOf(edit));
}

QLabel& labelOf(const TLabel& label)
{
    return static_cast<QLabel&>(*WidgetOf(label));
}

} // namespace

TEdit::TEdit(TForm* Owner)
    : TWinControl(Owner, std::make_unique<Impl>(new EditWidget(WidgetOf(*Owner))))
{
    editOf(*this).setKeyFilter([this](unsigned char& key) {
        if (!OnKeyPress)
            return true;
        return RunGuarded([&] { OnKeyPress(this, key); });
    });
}

AnsiString TEdit::Text() const
{
    return ToAnsi(editOf(*this).text());
}

void TEdit::SetText(const AnsiString& text)
{
    editOf(*this).assignText(ToQString(text));
}

void TEdit::SetMaxLength(int bytes)
{
    editOf(*this).setByteLimit(bytes);
}

void TEdit::SetTabStop(bool tabStop)
{
    editOf(*this).setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TEdit::SetAutoSelect(bool autoSelect)
{
    editOf(*this).setAutoSelect(autoSelect);
}

TLabel::TLabel(TForm* Owner) : TControl(Owner, std::make_unique<Impl>(new QLabel(WidgetOf(*Owner))))
{
}

AnsiString TLabel::Caption() const
{
    return ToAnsi(labelOf(*this).text());
}

void TLabel::SetCaption(const AnsiString& caption)
{
    QLabel& label = labelOf(*this);
    label.setText(ToQString(caption));
    label.resize(label.sizeHint());
    if (QWidget* buddy = label.buddy())
        buddy->setAccessibleName(label.text());
}

void TLabel::SetFocusControl(TWinControl* control)
{
    QLabel& label = labelOf(*this);
    label.setBuddy(WidgetOf(*control));
    WidgetOf(*control)->setAccessibleName(label.text());
}
