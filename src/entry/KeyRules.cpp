#include "entry/KeyRules.h"

#include "entry/CheckDigit.h"
#include "entry/Texts.h"

namespace entry {

namespace {

constexpr unsigned char Enter = 13;
constexpr unsigned char Space = 32;

// A maker code or item code counts as full from this length on, not only at it:
// the settings file may restore a longer maker code.
constexpr std::size_t FullMakerCode = 7;
constexpr std::size_t FullItemCode = 5;

bool isDigit(unsigned char key)
{
    return key > 47 && key < 58;
}

bool isRefused(unsigned char key)
{
    return key > Space && !isDigit(key);
}

} // namespace

void MakerCodeKeyPress(CodeFields& fields, unsigned char& key)
{
    if (isDigit(key)) {
        // A digit typed into a full maker code only moves on; the digit itself is lost.
        if (fields.Text(Field::MakerCode).size() >= FullMakerCode)
            fields.FocusItemCode();
        return;
    }
    if (isRefused(key)) {
        fields.ShowMessage(Texts::DigitsOnly());
        key = 0;
    }
}

void ItemCodeKeyPress(CodeFields& fields, RunHistory& history, unsigned char& key)
{
    if (isRefused(key)) {
        fields.ShowMessage(Texts::DigitsOnly());
        key = 0;
    }
    if (key == Enter) {
        CalculateButtonClick(fields, history);
        key = 0;
        return;
    }
    // Any other key while a check digit is shown starts the next item.
    if (!fields.Text(Field::CheckDigit).empty())
        ClearForNextItem(fields);
}

void DigitButtonClick(CodeFields& fields, const AnsiString& digit)
{
    const AnsiString makerCode = fields.Text(Field::MakerCode);
    if (makerCode.size() < FullMakerCode) {
        fields.SetText(Field::MakerCode, makerCode + digit);
        return;
    }
    fields.FocusItemCode();
    const AnsiString itemCode = fields.Text(Field::ItemCode);
    if (itemCode.size() < FullItemCode) {
        fields.SetText(Field::ItemCode, itemCode + digit);
        return;
    }
    if (!fields.Text(Field::CheckDigit).empty()) {
        ClearForNextItem(fields);
        fields.SetText(Field::ItemCode, fields.Text(Field::ItemCode) + digit);
    }
}

} // namespace entry
