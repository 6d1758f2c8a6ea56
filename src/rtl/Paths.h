#pragma once

#include "rtl/AnsiString.h"

// Full path of the running executable, in code page 932.
AnsiString ExecutablePath();

// The path up to and including its last "/".
AnsiString ExtractFilePath(const AnsiString& path);

// The title the platform gives an application: the file name without folder, cut at its
// first ".", its first byte kept and every later character in lower case.
AnsiString ApplicationTitleFor(const AnsiString& executablePath);
