#include "vcl/Controls_p.h"

#include "vcl/QtText_p.h"

#include <QFont>

QFont ToQFont(const TFont& font)
{
    QFont result;
    result.setFamilies({ToQString(font.Name), QStringLiteral("IPAPGothic"),
                        QStringLiteral("IPAexGothic"), QStringLiteral("Noto Sans CJK JP")});
    result.setPixelSize(font.Height < 0 ? -font.Height : font.Height);
    return result;
}

TControl::TControl(TComponent* Owner, std::unique_ptr<Impl> impl)
    : TComponent(Owner), impl_(std::move(impl))
{
}

TControl::~TControl()
{
    // Children go first: their widgets are also the toolkit children of this one.
    DestroyComponents();
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    impl_->widget->setGeometry(left, top, width, height);
}

void TControl::SetFont(const TFont& font)
{
    impl_->widget->setFont(ToQFont(font));
}

void TControl::SetAccessibleName(const AnsiString& name)
{
    impl_->widget->setAccessibleName(ToQString(name));
}

void TControl::SetName(const AnsiString& name)
{
    TComponent::SetName(name);
    impl_->widget->setObjectName(ToQString(name));
}

void TWinControl::SetFocus()
{
    impl().widget->setFocus(Qt::OtherFocusReason);
}

bool TWinControl::Focused() const
{
    return impl().widget->hasFocus();
}
