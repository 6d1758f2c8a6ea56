#include "persist/IniFile.h"

#include "rtl/Cp932.h"
#include "rtl/Files.h"
#include "rtl/SysUtils.h"

#include <algorithm>
#include <utility>

namespace {

AnsiString trimmed(const AnsiString& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32)
        --end;
    return text.substr(begin, end - begin);
}

// Case folds single-byte letters only: the trail byte of a double-byte character stays.
bool sameName(const AnsiString& a, const AnsiString& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size();) {
        const std::size_t length = CharLength(a, i);
        if (length == 2) {
            if (a.compare(i, 2, b, i, 2) != 0)
                return false;
        } else {
            auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
            if (lower(a[i]) != lower(b[i]))
                return false;
        }
        i += length;
    }
    return true;
}

} // namespace

TMemIniFile::TMemIniFile(AnsiString fileName) : fileName_(std::move(fileName))
{
    if (const auto content = ReadFileIfExists(fileName_))
        parse(*content);
}

void TMemIniFile::parse(const AnsiString& content)
{
    Section* current = nullptr;
    std::size_t pos = 0;
    while (pos < content.size()) {
        std::size_t end = content.find_first_of("\r\n", pos);
        if (end == AnsiString::npos)
            end = content.size();
        const AnsiString line = trimmed(content.substr(pos, end - pos));
        // A line ends at CR LF, a lone CR or a lone LF.
        pos = end + 1;
        if (end + 1 < content.size() && content[end] == '\r' && content[end + 1] == '\n')
            ++pos;

        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            sections_.push_back({trimmed(line.substr(1, line.size() - 2)), {}});
            current = &sections_.back();
            continue;
        }
        if (!current)
            continue;
        const auto equals = line.find('=');
        if (equals == AnsiString::npos) {
            current->lines.push_back({line, {}, false});
            continue;
        }
        const AnsiString name = trimmed(line.substr(0, equals));
        const AnsiString value = trimmed(line.substr(equals + 1));
        current->lines.push_back({name + "=" + value, name, true});
    }
}

const TMemIniFile::Section* TMemIniFile::findSection(const AnsiString& name) const
{
    const auto found = std::find_if(sections_.rbegin(), sections_.rend(),
                                    [&](const Section& s) { return sameName(s.name, name); });
    return found == sections_.rend() ? nullptr : &*found;
}

TMemIniFile::Section* TMemIniFile::findSection(const AnsiString& name)
{
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

const TMemIniFile::Line* TMemIniFile::findEntry(const Section& section, const AnsiString& name)
{
    const auto found =
        std::find_if(section.lines.rbegin(), section.lines.rend(),
                     [&](const Line& l) { return l.isEntry && sameName(l.name, name); });
    return found == section.lines.rend() ? nullptr : &*found;
}

AnsiString TMemIniFile::ReadString(const AnsiString& section, const AnsiString& ident,
                                   const AnsiString& fallback) const
{
    const Section* s = findSection(section);
    const Line* entry = s ? findEntry(*s, ident) : nullptr;
    return entry ? entry->text.substr(entry->name.size() + 1) : fallback;
}

int TMemIniFile::ReadInteger(const AnsiString& section, const AnsiString& ident,
                             int fallback) const
{
    AnsiString value = ReadString(section, ident, {});
    if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X'))
        value.replace(0, 2, "$");
    return StrToIntDef(value, fallback);
}

void TMemIniFile::WriteString(const AnsiString& section, const AnsiString& ident,
                              const AnsiString& value)
{
    Section* s = findSection(section);
    if (!s) {
        sections_.push_back({section, {}});
        s = &sections_.back();
    }
    Line line{ident + "=" + value, ident, true};
    if (const Line* entry = findEntry(*s, ident))
        *const_cast<Line*>(entry) = std::move(line);
    else
        s->lines.push_back(std::move(line));
}

void TMemIniFile::WriteInteger(const AnsiString& section, const AnsiString& ident, int value)
{
    WriteString(section, ident, IntToStr(value));
}

AnsiString TMemIniFile::Text() const
{
    AnsiString text;
    for (const Section& s : sections_) {
        text += "[" + s.name + "]\r\n";
        for (const Line& line : s.lines)
            text += line.text + "\r\n";
        text += "\r\n";
    }
    return text;
}

void TMemIniFile::UpdateFile() const
{
    ReplaceFileContents(fileName_, Text());
}
