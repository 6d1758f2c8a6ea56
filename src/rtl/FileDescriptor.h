#pragma once

#include <cerrno>
#include <string_view>
#include <unistd.h>

// Owns an open file descriptor and closes it on every path.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Writes all of `data`, resuming after interruptions and short writes; returns 0, or
    // the system error of the write that failed.
    int writeAll(std::string_view data) const
    {
        while (!data.empty()) {
            const ssize_t n = ::write(fd_, data.data(), data.size());
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return n < 0 ? errno : EIO;
            data.remove_prefix(static_cast<std::size_t>(n));
        }
        return 0;
    }
    // Closes now; returns the close's own result (0, or -1 with errno set).
    int reset()
    {
        const int result = fd_ >= 0 ? ::close(fd_) : 0;
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};
