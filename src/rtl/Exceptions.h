#pragma once

#include "rtl/AnsiString.h"

#include <exception>

// The platform's errors: one base whose message is a byte string in code page 932.
class Exception : public std::exception {
public:
    explicit Exception(AnsiString message) : message_(std::move(message)) {}
    const AnsiString& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    AnsiString message_;
};

class EConvertError : public Exception {
    using Exception::Exception;
};

class EStreamError : public Exception {
    using Exception::Exception;
};

class EFOpenError : public EStreamError {
    using EStreamError::EStreamError;
};

class EFCreateError : public EStreamError {
    using EStreamError::EStreamError;
};

class EWriteError : public EStreamError {
    using EStreamError::EStreamError;
};

class EInOutError : public Exception {
public:
    EInOutError(AnsiString message, int errorCode)
        : Exception(std::move(message)), errorCode_(errorCode)
    {
    }
    int ErrorCode() const noexcept { return errorCode_; }

private:
    int errorCode_;
};
