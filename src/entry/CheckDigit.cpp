#include "entry/CheckDigit.h"

#include "entry/Texts.h"
#include "rtl/SysUtils.h"

#include <array>

namespace entry {

namespace {

constexpr std::size_t MakerCodeLength = 7;
constexpr std::size_t ItemCodeLength = 5;

} // namespace

void CalculateCheckDigit(CodeFields& fields, RunHistory& history)
{
    const AnsiString makerCode = fields.Text(Field::MakerCode);
    if (makerCode.size() != MakerCodeLength) {
        fields.ShowMessage(Texts::IncompleteCode());
        return;
    }
    const AnsiString itemCode = fields.Text(Field::ItemCode);
    if (itemCode.size() != ItemCodeLength) {
        fields.ShowMessage(Texts::IncompleteCode());
        return;
    }

    // Every byte is converted on its own, so the first that is no digit (a space,
    // a sign, the lead byte of a double-byte character) raises the conversion error.
    const AnsiString code = makerCode + itemCode;
    std::array<int, MakerCodeLength + ItemCodeLength> digits{};
    for (std::size_t i = 0; i < code.size(); ++i)
        digits[i] = StrToInt(AnsiString(1, code[i]));

    int weightedSum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i)
        weightedSum += (i % 2 == 1) ? digits[i] * 3 : digits[i];

    const int lastDigit = IntToStr(weightedSum).back() - '0';
    const int checkDigit = 10 - lastDigit;
    fields.SetText(Field::CheckDigit, checkDigit == 10 ? AnsiString("0") : IntToStr(checkDigit));

    history.AppendLine(fields.Text(Field::MakerCode) + fields.Text(Field::ItemCode) +
                       fields.Text(Field::CheckDigit));
}

void ClearForNextItem(CodeFields& fields)
{
    fields.SetText(Field::ItemCode, {});
    fields.SetText(Field::CheckDigit, {});
}

void CalculateButtonClick(CodeFields& fields, RunHistory& history)
{
    if (fields.Text(Field::CheckDigit).empty())
        CalculateCheckDigit(fields, history);
    else
        ClearForNextItem(fields);
}

} // namespace entry
