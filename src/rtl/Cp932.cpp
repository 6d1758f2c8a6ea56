#include "rtl/Cp932.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace {

class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : cd_(iconv_open(to, from))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~IconvHandle() { iconv_close(cd_); }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    // Converts the whole input; a character that cannot be converted (or is malformed)
    // becomes "?" and conversion resumes after it.
    std::string convert(std::string_view in, std::size_t (*skip)(std::string_view, std::size_t))
    {
        std::string out;
        out.reserve(in.size() * 3 / 2 + 4);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::size_t pos = 0;
        char buffer[256];
        while (pos < in.size()) {
            char* inPtr = const_cast<char*>(in.data() + pos);
            std::size_t inLeft = in.size() - pos;
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            std::size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            const int error = errno;
            out.append(buffer, outPtr - buffer);
            pos = in.size() - inLeft;
            if (rc != static_cast<std::size_t>(-1))
                continue;
            if (error == E2BIG)
                continue;
            // EILSEQ or EINVAL: an unconvertible or truncated character.
            out.push_back('?');
            pos += skip(in, pos);
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
};

std::size_t utf8CharLength(std::string_view s, std::size_t i)
{
    std::size_t n = 1;
    while (i + n < s.size() && (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

} // namespace

bool IsLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t CharLength(std::string_view ansi, std::size_t index)
{
    if (IsLeadByte(static_cast<unsigned char>(ansi[index])) && index + 1 < ansi.size())
        return 2;
    return 1;
}

AnsiString Utf8ToAnsi(std::string_view utf8)
{
    IconvHandle cd("CP932", "UTF-8");
    return cd.convert(utf8, utf8CharLength);
}

std::string AnsiToUtf8(std::string_view ansi)
{
    IconvHandle cd("UTF-8", "CP932");
    return cd.convert(ansi, CharLength);
}
