#pragma once

#include "rtl/AnsiString.h"

// The platform's own message texts, in code page 932; "%s" and "%d" are filled in by the caller.
namespace Messages {
const AnsiString& NotAnInteger();     // '%s' は整数ではありません
const AnsiString& CannotOpenFile();   // ファイル %s は開けません
const AnsiString& CannotCreateFile(); // ファイル %s を作成できません
const AnsiString& StreamWriteError(); // ストリームへの書き込みエラー
const AnsiString& FileNotFound();     // ファイルが見つかりません
const AnsiString& InvalidFileName();  // 不正なファイル名です
const AnsiString& TooManyOpenFiles(); // オープンしたファイルが多すぎます
const AnsiString& AccessDenied();     // ファイルへのアクセスが拒否されました
const AnsiString& IOError();          // I/O エラー (%d)
} // namespace Messages
