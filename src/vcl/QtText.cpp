#include "vcl/QtText_p.h"

#include "rtl/Cp932.h"

QString ToQString(const AnsiString& text)
{
    return QString::fromStdString(AnsiToUtf8(text));
}

AnsiString ToAnsi(const QString& text)
{
    return Utf8ToAnsi(text.toStdString());
}
