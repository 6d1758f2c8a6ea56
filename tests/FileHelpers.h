#pragma once

#include "rtl/AnsiString.h"
#include "rtl/Cp932.h"
#include "rtl/Exceptions.h"

#include <QFile>
#include <QString>
#include <QTest>

#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

// A file's bytes, or "<missing>" when there is no file to read.
inline QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline void writeAll(const QString& path, const QByteArray& content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(content), content.size());
}

inline AnsiString ansi(const QString& path)
{
    return Utf8ToAnsi(path.toStdString());
}

// Runs `step` in a child process as the unprivileged user "nobody" when we are root,
// since mode bits do not stop root; `prepare` runs first in the child, e.g. to lower a
// limit. Returns the message of the error the step raised, or "".
inline QString asUnprivilegedUser(const std::function<void()>& step,
                                  const std::function<void()>& prepare = {})
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return "pipe failed";
    const pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
        if (prepare)
            prepare();
        std::string message;
        try {
            step();
        } catch (const Exception& e) {
            message = AnsiToUtf8(e.Message());
        }
        if (!message.empty() && write(pipeFds[1], message.data(), message.size()) < 0)
            _exit(4);
        _exit(0);
    }
    close(pipeFds[1]);
    QByteArray message;
    char buffer[512];
    ssize_t n;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
        message.append(buffer, n);
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("child failed with status %1").arg(status);
    return QString::fromUtf8(message);
}
