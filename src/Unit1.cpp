#include "Unit1.h"

#include "entry/CheckDigit.h"
#include "entry/KeyRules.h"
#include "rtl/Cp932.h"
#include "rtl/Paths.h"

TForm1* Form1 = nullptr;

namespace {

struct ButtonLayout {
    int left, top, width, height;
    const char* caption;
};

// The keypad: 7 8 9 on top, then 4 5 6, 1 2 3, and a wide 0 under them.
constexpr ButtonLayout DigitButtons[] = {
    {16, 136, 23, 22, "1"}, {40, 136, 23, 22, "2"}, {64, 136, 23, 22, "3"},
    {16, 112, 23, 22, "4"}, {40, 112, 23, 22, "5"}, {64, 112, 23, 22, "6"},
    {16, 88, 23, 22, "7"},  {40, 88, 23, 22, "8"},  {64, 88, 23, 22, "9"},
    {16, 160, 49, 22, "0"},
};

const TFont WindowFont{Utf8ToAnsi("ＭＳ Ｐゴシック"), -12};
const TFont CheckDigitFont{Utf8ToAnsi("ＭＳ Ｐゴシック"), -96};

} // namespace

TForm1::TForm1(TComponent* Owner) : TForm(Owner)
{
    SetName("Form1");
    SetCaption(Utf8ToAnsi("Tovik１型"));
    SetClientSize(182, 191);
    SetLeft(198);
    SetTop(127);
    SetFont(WindowFont);

    auto label = [this](const char* name, int left, int top, const char* caption) {
        auto* control = new TLabel(this);
        control->SetName(name);
        control->SetBounds(left, top, 0, 12);
        control->SetCaption(Utf8ToAnsi(caption));
        return control;
    };
    Label1 = label("Label1", 8, 8, "国・メーカーコード");
    Label2 = label("Label2", 8, 48, "商品コード");
    Label3 = label("Label3", 96, 120, "チェックデジット");

    TSpeedButton** digitButtons[] = {&SpeedButton1, &SpeedButton2, &SpeedButton3,
                                     &SpeedButton4, &SpeedButton5, &SpeedButton6,
                                     &SpeedButton7, &SpeedButton8, &SpeedButton9,
                                     &SpeedButton10};
    for (std::size_t i = 0; i < std::size(DigitButtons); ++i) {
        const ButtonLayout& b = DigitButtons[i];
        auto* button = new TSpeedButton(this);
        button->SetName("SpeedButton" + std::to_string(i + 1));
        button->SetBounds(b.left, b.top, b.width, b.height);
        button->SetCaption(b.caption);
        button->OnClick = [this](TObject* Sender) { SpeedButton10Click(Sender); };
        *digitButtons[i] = button;
    }
    SpeedButton11 = new TSpeedButton(this);
    SpeedButton11->SetName("SpeedButton11");
    SpeedButton11->SetBounds(112, 136, 49, 45);
    SpeedButton11->SetCaption(Utf8ToAnsi("計算"));
    SpeedButton11->OnClick = [this](TObject* Sender) { SpeedButton11Click(Sender); };

    // Created in tab order: Edit1, Edit2, then Edit3, which Tab skips.
    auto edit = [this](const char* name, int left, int top, int width, int height, int maxLength) {
        auto* control = new TEdit(this);
        control->SetName(name);
        control->SetBounds(left, top, width, height);
        control->SetMaxLength(maxLength);
        control->SetAutoSelect(false);
        return control;
    };
    Edit1 = edit("Edit1", 24, 24, 49, 20, 7);
    Edit1->OnKeyPress = [this](TObject* Sender, unsigned char& Key) { Edit1KeyPress(Sender, Key); };
    Edit2 = edit("Edit2", 24, 64, 37, 20, 5);
    Edit2->OnKeyPress = [this](TObject* Sender, unsigned char& Key) { Edit2KeyPress(Sender, Key); };
    Edit3 = edit("Edit3", 108, 8, 57, 105, 1);
    Edit3->SetTabStop(false);
    Edit3->SetFont(CheckDigitFont);

    SaveDialog1 = new TSaveDialog(this);
    SaveDialog1->SetName("SaveDialog1");
    SaveDialog1->SetDefaultExt("txt");
    SaveDialog1->SetFilter(Utf8ToAnsi("テキストファイル(*.txt)|*.txt"));

    Label1->SetFocusControl(Edit1);
    Label2->SetFocusControl(Edit2);
    Label3->SetFocusControl(Edit3);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
}

void TForm1::SpeedButton10Click(TObject* Sender)
{
    entry::DigitButtonClick(*this, static_cast<TSpeedButton*>(Sender)->Caption());
}

void TForm1::Edit1KeyPress(TObject*, unsigned char& Key)
{
    entry::MakerCodeKeyPress(*this, Key);
}

void TForm1::FormCreate(TObject*)
{
    persist::RestoreWindow(*this, IniFile, persist::SettingsPath(ExecutablePath()));
}

void TForm1::Edit2KeyPress(TObject*, unsigned char& Key)
{
    entry::ItemCodeKeyPress(*this, History, Key);
}

void TForm1::SpeedButton11Click(TObject*)
{
    entry::CalculateButtonClick(*this, History);
}

void TForm1::FormClose(TObject*, TCloseAction&)
{
    persist::SaveWindow(*this, IniFile, persist::SettingsPath(ExecutablePath()));
    persist::OfferHistoryExport(*this, History.Text());
}

void TForm1::CalculateCheckDigit()
{
    entry::CalculateCheckDigit(*this, History);
}

TEdit* TForm1::FieldEdit(entry::Field field) const
{
    switch (field) {
    case entry::Field::MakerCode:
        return Edit1;
    case entry::Field::ItemCode:
        return Edit2;
    case entry::Field::CheckDigit:
        break;
    }
    return Edit3;
}

AnsiString TForm1::Text(entry::Field field) const
{
    return FieldEdit(field)->Text();
}

void TForm1::SetText(entry::Field field, const AnsiString& text)
{
    FieldEdit(field)->SetText(text);
}

void TForm1::FocusItemCode()
{
    Edit2->SetFocus();
}

void TForm1::ShowMessage(const AnsiString& text)
{
    ::ShowMessage(text);
}

AnsiString TForm1::MakerCode() const
{
    return Edit1->Text();
}

void TForm1::SetMakerCode(const AnsiString& text)
{
    Edit1->SetText(text);
}

void TForm1::StartInItemCode()
{
    SetActiveControl(Edit2);
}

bool TForm1::AskYesNo(const AnsiString& question)
{
    return MessageDlg(question, mtInformation, mbYes | mbNo, 0) == mrYes;
}

std::optional<AnsiString> TForm1::ChooseHistoryFile()
{
    if (!SaveDialog1->Execute())
        return std::nullopt;
    return SaveDialog1->FileName();
}
