#include "rtl/TextFile.h"

#include "rtl/Cp932.h"
#include "rtl/Exceptions.h"
#include "rtl/Messages.h"
#include "rtl/Paths.h"
#include "rtl/SysUtils.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t BufferSize = 4096;

// The platform's code for a system error: 2 file not found, 3 path not found, 4 too many
// open files, 5 access denied; any other error keeps the system's own number.
struct PlatformError {
    int code;
    AnsiString message;
};

PlatformError platformError(int systemError, const AnsiString& path)
{
    switch (systemError) {
    case ENOENT: {
        // The file is created when missing, so a missing name is one of the folders on
        // the way, unless that folder is there and the name itself is wrong.
        const AnsiString folder = ExtractFilePath(path);
        struct stat info {};
        if (::stat(folder.empty() ? "." : AnsiToUtf8(folder).c_str(), &info) == 0 &&
            S_ISDIR(info.st_mode))
            return {2, Messages::FileNotFound()};
        return {3, Messages::InvalidFileName()};
    }
    case ENOTDIR:
        return {3, Messages::InvalidFileName()};
    case EMFILE:
    case ENFILE:
        return {4, Messages::TooManyOpenFiles()};
    case EACCES:
    case EPERM:
    case EROFS:
        return {5, Messages::AccessDenied()};
    default: {
        // The system's numbers overlap the platform's codes (EIO is 5 here), so the
        // message is chosen by the error, never by the number.
        AnsiString message = Messages::IOError();
        if (const auto at = message.find("%d"); at != AnsiString::npos)
            message.replace(at, 2, IntToStr(systemError));
        return {systemError, message};
    }
    }
}

} // namespace

void RaiseInOutError(int systemError, const AnsiString& path)
{
    PlatformError error = platformError(systemError, path);
    throw EInOutError(std::move(error.message), error.code);
}

TextFile::TextFile(const AnsiString& path)
    // Not blocking: a pipe with no reader fails here instead of hanging the window.
    : fd_(::open(AnsiToUtf8(path).c_str(),
                 O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666))
{
    if (!fd_.valid())
        RaiseInOutError(errno, path);
    const int flags = ::fcntl(fd_.get(), F_GETFL);
    if (flags >= 0)
        ::fcntl(fd_.get(), F_SETFL, flags & ~O_NONBLOCK);
}

void TextFile::Write(const AnsiString& text)
{
    buffer_ += text;
    if (buffer_.size() >= BufferSize) {
        if (const int error = writeOut())
            RaiseInOutError(error, AnsiString());
    }
}

void TextFile::WriteLn()
{
    Write("\r\n");
}

void TextFile::Close()
{
    if (!fd_.valid())
        return;
    const int writeError = writeOut();
    int closeError = 0;
    // A regular file is on disk before the save counts as done: a full disk or a lost
    // network share shows here rather than after the program has gone.
    struct stat info {};
    if (!writeError && !failed_ && ::fstat(fd_.get(), &info) == 0 && S_ISREG(info.st_mode) &&
        ::fsync(fd_.get()) != 0)
        closeError = errno;
    if (fd_.reset() != 0 && !closeError)
        closeError = errno;
    if (closeError)
        RaiseInOutError(closeError, AnsiString());
    if (writeError)
        RaiseInOutError(writeError, AnsiString());
}

// Returns 0, or the system error of the write that failed; after a failure the rest of
// the text is dropped and nothing more is written.
int TextFile::writeOut()
{
    const int error = failed_ ? 0 : fd_.writeAll(buffer_);
    failed_ = failed_ || error != 0;
    buffer_.clear();
    return error;
}
