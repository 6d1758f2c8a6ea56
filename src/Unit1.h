#pragma once

#include "entry/CodeFields.h"
#include "entry/RunHistory.h"
#include "vcl/Buttons.h"
#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"

// The main window: the code fields, the keypad and the run history.
class TForm1 : public TForm, private entry::CodeFields {
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

    void SpeedButton10Click(TObject* Sender);
    void Edit1KeyPress(TObject* Sender, unsigned char& Key);
    void FormCreate(TObject* Sender);
    void Edit2KeyPress(TObject* Sender, unsigned char& Key);
    void SpeedButton11Click(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

    explicit TForm1(TComponent* Owner);

private:
    entry::RunHistory History;

    void CalculateCheckDigit();

    // What the entry rules see of this window.
    AnsiString Text(entry::Field field) const override;
    void SetText(entry::Field field, const AnsiString& text) override;
    void FocusItemCode() override;
    void ShowMessage(const AnsiString& text) override;
    TEdit* FieldEdit(entry::Field field) const;
};

extern TForm1* Form1;
