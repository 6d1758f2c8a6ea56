#include "rtl/Files.h"

#include "rtl/Cp932.h"
#include "rtl/Exceptions.h"
#include "rtl/FileDescriptor.h"
#include "rtl/Messages.h"
#include "rtl/Paths.h"
#include "rtl/SysUtils.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void cannotOpen(const AnsiString& path)
{
    throw EFOpenError(FormatMessage(Messages::CannotOpenFile(), path));
}

[[noreturn]] void cannotCreate(const AnsiString& path)
{
    throw EFCreateError(FormatMessage(Messages::CannotCreateFile(), path));
}

[[noreturn]] void writeError()
{
    throw EWriteError(Messages::StreamWriteError());
}

// Follows symbolic links to the file they name, which need not exist yet.
std::string linkTarget(std::string path)
{
    for (int hops = 0; hops < 40; ++hops) {
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), buffer, sizeof buffer - 1);
        if (n < 0)
            return path;
        std::string target(buffer, static_cast<std::size_t>(n));
        if (target.front() != '/')
            target = ExtractFilePath(path) + target;
        path = target;
    }
    return path;
}

} // namespace

std::optional<AnsiString> ReadFileIfExists(const AnsiString& path)
{
    const std::string osPath = AnsiToUtf8(path);
    struct stat info {};
    if (::stat(osPath.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return std::nullopt;
    // A device or pipe holds no settings; reading one might never end.
    if (!S_ISREG(info.st_mode))
        return AnsiString();
    FileDescriptor fd(::open(osPath.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid())
        cannotOpen(path);
    AnsiString content;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            cannotOpen(path);
        if (n == 0)
            break;
        content.append(buffer, static_cast<std::size_t>(n));
    }
    return content;
}

void ReplaceFileContents(const AnsiString& path, const AnsiString& content)
{
    const std::string target = linkTarget(AnsiToUtf8(path));
    struct stat info {};
    const bool exists = ::stat(target.c_str(), &info) == 0;

    // A file that may not be written is refused, never swapped for a new one behind the
    // user's back; a folder in its place cannot be written either.
    if (exists) {
        FileDescriptor probe(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
        if (!probe.valid())
            cannotCreate(path);
        if (!S_ISREG(info.st_mode)) {
            // A device or pipe is written where it is.
            if (probe.writeAll(content) != 0 || probe.reset() != 0)
                writeError();
            return;
        }
    }

    std::string temporary = ExtractFilePath(target) + ".tovik-XXXXXX";
    FileDescriptor fd(::mkstemp(temporary.data()));
    if (!fd.valid())
        cannotCreate(path);
    struct RemoveUnlessKept {
        std::string name;
        bool kept = false;
        ~RemoveUnlessKept()
        {
            if (!kept)
                ::unlink(name.c_str());
        }
    } cleanup{temporary};

    mode_t mode = 0666;
    if (exists) {
        mode = info.st_mode & 07777;
        if (::fchown(fd.get(), info.st_uid, info.st_gid) != 0) {
            // Only the owner or root may give a file away; a file we may write stays ours.
        }
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    if (::fchmod(fd.get(), mode) != 0 || fd.writeAll(content) != 0 || ::fsync(fd.get()) != 0 ||
        fd.reset() != 0)
        writeError();
    if (::rename(temporary.c_str(), target.c_str()) != 0)
        cannotCreate(path);
    cleanup.kept = true;
}
