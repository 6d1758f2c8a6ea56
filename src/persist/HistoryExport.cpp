#include "persist/HistoryExport.h"

#include "rtl/Cp932.h"
#include "rtl/Exceptions.h"
#include "rtl/TextFile.h"

namespace persist {

void OfferHistoryExport(HistoryExportWindow& window, const AnsiString& history)
{
    static const AnsiString question = Utf8ToAnsi("今回の履歴を保存しますか？");
    if (!window.AskYesNo(question))
        return;
    if (const auto path = window.ChooseHistoryFile())
        WriteHistoryFile(*path, history);
}

void WriteHistoryFile(const AnsiString& path, const AnsiString& history)
{
    TextFile file(path);
    try {
        file.Write(history);
        file.WriteLn();
    } catch (const EInOutError&) {
        // Released on every path; when the closing fails too, its failure is the one shown.
        file.Close();
        throw;
    }
    file.Close();
}

} // namespace persist
