#pragma once

#include "rtl/AnsiString.h"

#include <optional>

// Paths are byte strings in code page 932, as the rules hold them; the file system sees
// them in UTF-8.

// The whole content of a file, or nothing when there is no file of that name (a folder
// counts as none; a device or pipe reads as empty). Raises EFOpenError "ファイル <path> は開けません" when it cannot be read.
std::optional<AnsiString> ReadFileIfExists(const AnsiString& path);

// Gives the file the new content. A regular file is replaced only once the whole content
// is on disk, so a write that stops part way leaves the old file whole; its permission
// bits are kept, and a symbolic link keeps pointing where it did. Raises EFCreateError
// "ファイル <path> を作成できません" when the file may not be written or created, and
// EWriteError "ストリームへの書き込みエラー" when the write stops part way.
void ReplaceFileContents(const AnsiString& path, const AnsiString& content);
