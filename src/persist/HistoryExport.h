#pragma once

#include "rtl/AnsiString.h"

#include <optional>

namespace persist {

// What the export sees of the window: the question and the file chooser.
class HistoryExportWindow {
public:
    virtual ~HistoryExportWindow() = default;
    // True only when the user answers Yes.
    virtual bool AskYesNo(const AnsiString& question) = 0;
    // The full path of the file the user chose, or nothing when the choice was cancelled.
    virtual std::optional<AnsiString> ChooseHistoryFile() = 0;
};

// Asks whether to save the run history and writes it to the file the user chooses.
// A failure to write raises EInOutError and leaves the history as it was.
void OfferHistoryExport(HistoryExportWindow& window, const AnsiString& history);

// The history file: the run history byte for byte, then one more CR LF.
void WriteHistoryFile(const AnsiString& path, const AnsiString& history);

} // namespace persist
