#pragma once

#include "entry/CodeFields.h"
#include "rtl/Cp932.h"

#include <array>
#include <vector>

// The window as the entry rules see it, with the focus and every message recorded.
struct FakeFields : entry::CodeFields {
    enum class Focus { MakerCode, ItemCode, CheckDigit };

    std::array<AnsiString, 3> texts;
    Focus focus = Focus::MakerCode;
    std::vector<AnsiString> messages;

    AnsiString Text(entry::Field field) const override { return texts[index(field)]; }
    void SetText(entry::Field field, const AnsiString& text) override
    {
        texts[index(field)] = text;
    }
    void FocusItemCode() override { focus = Focus::ItemCode; }
    void ShowMessage(const AnsiString& text) override { messages.push_back(text); }

    static std::size_t index(entry::Field field) { return static_cast<std::size_t>(field); }
};

inline AnsiString sj(const char* utf8)
{
    return Utf8ToAnsi(utf8);
}
