#include "rtl/SysUtils.h"

#include "rtl/Exceptions.h"
#include "rtl/Messages.h"

#include <cstdint>

AnsiString IntToStr(int value)
{
    return std::to_string(value);
}

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::optional<int> TryStrToInt(const AnsiString& text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i == text.size())
        return std::nullopt;

    const bool hex = text[i] == '$' || text[i] == 'x' || text[i] == 'X' ||
                     (text[i] == '0' && i + 1 < text.size() &&
                      (text[i + 1] == 'x' || text[i + 1] == 'X'));
    if (hex) {
        i += text[i] == '0' ? 2 : 1;
        if (i == text.size())
            return std::nullopt;
        std::uint64_t value = 0;
        for (; i < text.size(); ++i) {
            const int digit = hexDigit(text[i]);
            if (digit < 0)
                return std::nullopt;
            value = value * 16 + digit;
            if (value > 0xFFFFFFFFu)
                return std::nullopt;
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }

    bool negative = false;
    if (text[i] == '-' || text[i] == '+') {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

int StrToInt(const AnsiString& text)
{
    if (const auto value = TryStrToInt(text))
        return *value;
    throw EConvertError(FormatMessage(Messages::NotAnInteger(), text));
}

int StrToIntDef(const AnsiString& text, int fallback)
{
    return TryStrToInt(text).value_or(fallback);
}

AnsiString FormatMessage(const AnsiString& pattern, const AnsiString& argument)
{
    AnsiString result = pattern;
    if (const auto at = result.find("%s"); at != AnsiString::npos)
        result.replace(at, 2, argument);
    return result;
}
