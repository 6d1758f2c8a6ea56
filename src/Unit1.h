#pragma once

#include "entry/CodeFields.h"
#include "entry/RunHistory.h"
#include "persist/HistoryExport.h"
#include "persist/WindowSettings.h"
#include "vcl/Buttons.h"
#include "vcl/Dialogs.h"
#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"

// The main window: the code fields, the keypad and the run history.
class TForm1 : public TForm,
               private entry::CodeFields,
               private persist::SettingsWindow,
               private persist::HistoryExportWindow {
public:
    TLabel* Label1;
    TEdit* Edit1;
    TLabel* Label2;
    TEdit* Edit2;
    TLabel* Label3;
    TEdit* Edit3;
    TSpeedButton* SpeedButton1;
    TSpeedButton* SpeedButton2;
    TSpeedButton* SpeedButton3;
    TSpeedButton* SpeedButton4;
    TSpeedButton* SpeedButton5;
    TSpeedButton* SpeedButton6;
    TSpeedButton* SpeedButton7;
    TSpeedButton* SpeedButton8;
    TSpeedButton* SpeedButton9;
    TSpeedButton* SpeedButton10;
    TSpeedButton* SpeedButton11;
    TSaveDialog* SaveDialog1;

    void SpeedButton10Click(TObject* Sender);
    void Edit1KeyPress(TObject* Sender, unsigned char& Key);
    void FormCreate(TObject* Sender);
    void Edit2KeyPress(TObject* Sender, unsigned char& Key);
    void SpeedButton11Click(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

    explicit TForm1(TComponent* Owner);

private:
    entry::RunHistory History;
    std::unique_ptr<TMemIniFile> IniFile;

    void CalculateCheckDigit();

    // What the entry rules see of this window.
    AnsiString Text(entry::Field field) const override;
    void SetText(entry::Field field, const AnsiString& text) override;
    void FocusItemCode() override;
    void ShowMessage(const AnsiString& text) override;
    TEdit* FieldEdit(entry::Field field) const;

    // What the settings see of this window.
    int Top() const override { return TForm::Top(); }
    int Left() const override { return TForm::Left(); }
    void SetTop(int top) override { TForm::SetTop(top); }
    void SetLeft(int left) override { TForm::SetLeft(left); }
    AnsiString MakerCode() const override;
    void SetMakerCode(const AnsiString& text) override;
    void StartInItemCode() override;

    // What the history export sees of this window.
    bool AskYesNo(const AnsiString& question) override;
    std::optional<AnsiString> ChooseHistoryFile() override;
};

extern TForm1* Form1;
