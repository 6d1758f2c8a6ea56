#pragma once

#include "rtl/AnsiString.h"

#include <QString>

// Where the toolkit shows or takes text, code page 932 meets Unicode.
QString ToQString(const AnsiString& text);
AnsiString ToAnsi(const QString& text);
