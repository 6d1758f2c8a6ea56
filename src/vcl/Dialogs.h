#pragma once

#include "rtl/AnsiString.h"
#include "vcl/Classes.h"

// How a modal box was closed.
constexpr int mrCancel = 2;
constexpr int mrYes = 6;
constexpr int mrNo = 7;

// The plain message box: the application title as caption, no icon, one "OK" button.
// Returns when the user has closed it.
void ShowMessage(const AnsiString& text);

enum TMsgDlgType { mtInformation };
enum TMsgDlgBtn : unsigned { mbYes = 1u << 0, mbNo = 1u << 1 };
using TMsgDlgButtons = unsigned;

// A box with the type's caption and icon and the given buttons, Yes before No. The first
// button is the default; No is the cancel button (Esc); the close box gives mrCancel.
// Returns mrYes, mrNo or mrCancel. Help contexts are not supported; pass 0.
int MessageDlg(const AnsiString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx);

// The platform's file dialog for saving. It opens centred across the monitor that shows
// the main window, a third of the way down; it never asks before an existing file is
// overwritten, shows no read-only check box and can be resized.
class TSaveDialog : public TComponent {
public:
    explicit TSaveDialog(TComponent* Owner) : TComponent(Owner) {}

    // Added to a name typed without an extension ("txt", without the dot).
    const AnsiString& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const AnsiString& extension) { defaultExt_ = extension; }
    // Pairs of description and pattern, all separated by "|":
    // "Text files (*.txt)|*.txt|All files|*". Patterns within a pair are separated by ";".
    const AnsiString& Filter() const { return filter_; }
    void SetFilter(const AnsiString& filter) { filter_ = filter; }
    // The pair selected when the dialog opens, counted from 1.
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }
    // The file the dialog starts with; after a confirmed choice, its full path.
    const AnsiString& FileName() const { return fileName_; }
    void SetFileName(const AnsiString& fileName) { fileName_ = fileName; }

    // Shows the dialog modally; true when the user confirmed a file name.
    bool Execute();

private:
    AnsiString defaultExt_;
    AnsiString filter_;
    int filterIndex_ = 1;
    AnsiString fileName_;
};
