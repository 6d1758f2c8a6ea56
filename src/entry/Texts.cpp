#include "entry/Texts.h"

#include "rtl/Cp932.h"

namespace entry::Texts {

const AnsiString& IncompleteCode()
{
    static const AnsiString text = Utf8ToAnsi("コードを全部入力してください");
    return text;
}

const AnsiString& DigitsOnly()
{
    static const AnsiString text = Utf8ToAnsi("数字のみです");
    return text;
}

} // namespace entry::Texts
