#include "rtl/Paths.h"

#include "rtl/Cp932.h"

#include <climits>
#include <unistd.h>

AnsiString ExecutablePath()
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0)
        return {};
    return Utf8ToAnsi(std::string_view(buffer, static_cast<std::size_t>(length)));
}

AnsiString ExtractFilePath(const AnsiString& path)
{
    const auto slash = path.rfind('/');
    return slash == AnsiString::npos ? AnsiString() : path.substr(0, slash + 1);
}

AnsiString ApplicationTitleFor(const AnsiString& executablePath)
{
    AnsiString title = executablePath.substr(ExtractFilePath(executablePath).size());
    if (const auto dot = title.find('.'); dot != AnsiString::npos)
        title.resize(dot);
    // Lower case works on whole characters: the trail byte of a double-byte
    // character may look like an ASCII capital and must stay as it is.
    for (std::size_t i = title.empty() ? 0 : CharLength(title, 0); i < title.size();
         i += CharLength(title, i)) {
        if (title[i] >= 'A' && title[i] <= 'Z')
            title[i] = static_cast<char>(title[i] - 'A' + 'a');
    }
    return title;
}
