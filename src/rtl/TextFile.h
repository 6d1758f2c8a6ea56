#pragma once

#include "rtl/AnsiString.h"
#include "rtl/FileDescriptor.h"

// Text-file output with I/O checking: every failure raises EInOutError, whose code is the
// platform's (2 file not found, 3 path not found, 4 too many open files, 5 access denied)
// or else the system's own error number. Text is written byte for byte, never converted.
class TextFile {
public:
    // Creates the file, or cuts an existing one to length 0. When it cannot be opened,
    // nothing is created and an existing file keeps its content.
    explicit TextFile(const AnsiString& path);
    // Releases the file if Close did not; a failure then goes unreported.
    ~TextFile() = default;
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    // Text is held in a buffer and written out in pieces, so a failure may show only at
    // a later write or at Close.
    void Write(const AnsiString& text);
    // A line break, CR LF.
    void WriteLn();
    // Writes out what is held and releases the file, also after a failed write. Raises
    // the failure of the closing, or else that of the last write-out.
    void Close();

private:
    int writeOut();

    FileDescriptor fd_;
    AnsiString buffer_;
    bool failed_ = false;
};

// The EInOutError for a system error number, with the message of its platform code.
[[noreturn]] void RaiseInOutError(int systemError, const AnsiString& path);
