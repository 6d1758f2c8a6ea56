#include "rtl/Messages.h"

#include "rtl/Cp932.h"

namespace Messages {

#define TOVIK_MESSAGE(name, utf8)                                                                  \
    const AnsiString& name()                                                                       \
    {                                                                                              \
        static const AnsiString text = Utf8ToAnsi(utf8);                                          \
        return text;                                                                               \
    }

TOVIK_MESSAGE(NotAnInteger, "'%s' は整数ではありません")
TOVIK_MESSAGE(CannotOpenFile, "ファイル %s は開けません")
TOVIK_MESSAGE(CannotCreateFile, "ファイル %s を作成できません")
TOVIK_MESSAGE(StreamWriteError, "ストリームへの書き込みエラー")
TOVIK_MESSAGE(FileNotFound, "ファイルが見つかりません")
TOVIK_MESSAGE(InvalidFileName, "不正なファイル名です")
TOVIK_MESSAGE(TooManyOpenFiles, "オープンしたファイルが多すぎます")
TOVIK_MESSAGE(AccessDenied, "ファイルへのアクセスが拒否されました")
TOVIK_MESSAGE(IOError, "I/O エラー (%d)")

#undef TOVIK_MESSAGE

} // namespace Messages
