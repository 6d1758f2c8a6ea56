#include "E2eSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPoint>
#include <QTest>
#include <QThread>

#include <csignal>

namespace {

const QString ProgramName = QStringLiteral("tovik");

QString freeDisplay()
{
    for (int n = 140 + QCoreApplication::applicationPid() % 50; n < 400; ++n) {
        if (!QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)) &&
            !QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
            return QStringLiteral(":%1").arg(n);
    }
    return {};
}

} // namespace

E2eSession::E2eSession()
{
    display_ = freeDisplay();
    xvfb_ = std::make_unique<QProcess>();
    xvfb_->start(QStringLiteral("Xvfb"), {display_, "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    if (!xvfb_->waitForStarted(5000)) {
        error_ = QStringLiteral("Xvfb does not start");
        return;
    }
    const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(display_.mid(1));
    if (!QTest::qWaitFor([&] { return QFile::exists(socket); }, 10000)) {
        error_ = QStringLiteral("Xvfb opens no display");
        return;
    }

    bus_ = std::make_unique<QProcess>();
    bus_->start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
    if (!bus_->waitForStarted(5000) || !bus_->waitForReadyRead(5000)) {
        error_ = QStringLiteral("no session bus");
        return;
    }
    busAddress_ = QString::fromUtf8(bus_->readLine()).trimmed();

    const QString built = QStringLiteral(TOVIK_BINARY);
    if (!QFile::copy(built, folder_.filePath(ProgramName)))
        error_ = QStringLiteral("cannot copy ") + built;
}

E2eSession::~E2eSession()
{
    if (program_ && program_->state() != QProcess::NotRunning) {
        program_->kill();
        program_->waitForFinished(3000);
    }
    for (auto* process : {bus_.get(), xvfb_.get()}) {
        if (process && process->state() != QProcess::NotRunning) {
            process->terminate();
            if (!process->waitForFinished(3000))
                process->kill();
            process->waitForFinished(3000);
        }
    }
}

QProcessEnvironment E2eSession::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    env.insert("DBUS_SESSION_BUS_ADDRESS", busAddress_);
    env.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    env.insert("LANG", "C.UTF-8");
    // The toolkit keeps the file dialog's state in the home folder: a private one.
    env.insert("HOME", home_.path());
    env.remove("QT_QPA_PLATFORM");
    env.remove("WAYLAND_DISPLAY");
    return env;
}

bool E2eSession::startProgram()
{
    program_ = std::make_unique<QProcess>();
    program_->setProcessEnvironment(environment());
    program_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The save dialog opens in the working folder: the test's own.
    program_->setWorkingDirectory(folder_.path());
    program_->start(folder_.filePath(ProgramName), {});
    if (!program_->waitForStarted(5000))
        return false;
    // Up when the accessibility bus shows its fields and its window has the keyboard.
    return QTest::qWaitFor([&] { return fields().size() == 3; }, 20000) &&
           waitForFocusedWindow(QStringLiteral("Tovik１型"));
}

bool E2eSession::programRunning() const
{
    return program_ && program_->state() != QProcess::NotRunning;
}

bool E2eSession::waitForExit(int ms)
{
    return program_ && program_->waitForFinished(ms);
}

QString E2eSession::run(const QString& program, const QStringList& arguments, int* exitCode)
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(program, arguments);
    process.waitForFinished(30000);
    if (exitCode)
        *exitCode = process.exitCode();
    return QString::fromUtf8(process.readAllStandardOutput());
}

void E2eSession::type(const QString& text)
{
    run("xdotool", {"type", "--delay", "40", text});
    QThread::msleep(150);
}

void E2eSession::key(const QString& keys)
{
    run("xdotool", QStringList{"key", "--delay", "40"} + keys.split(' ', Qt::SkipEmptyParts));
    QThread::msleep(150);
}

void E2eSession::click(int clientX, int clientY)
{
    const QPoint origin = windowPosition();
    run("xdotool", {"mousemove", QString::number(origin.x() + clientX),
                    QString::number(origin.y() + clientY), "click", "1"});
    QThread::msleep(150);
}

QPoint E2eSession::windowPosition()
{
    const QString out = run("xdotool", {"search", "--name", QStringLiteral("^Tovik１型$"),
                                        "getwindowgeometry", "--shell"});
    QPoint p;
    for (const QString& line : out.split('\n')) {
        if (line.startsWith("X="))
            p.setX(line.mid(2).toInt());
        if (line.startsWith("Y="))
            p.setY(line.mid(2).toInt());
    }
    return p;
}

QStringList E2eSession::labels()
{
    QStringList result;
    for (const QString& line : run("/usr/bin/python3", {QStringLiteral(ATSPI_SCRIPT), ProgramName}).split('\n')) {
        const QStringList parts = line.split('\t');
        if (parts.value(0) == "label")
            result << parts.value(1);
    }
    return result;
}

std::map<QString, QString> E2eSession::fields()
{
    std::map<QString, QString> result;
    for (const QString& line : run("/usr/bin/python3", {QStringLiteral(ATSPI_SCRIPT), ProgramName}).split('\n')) {
        const QStringList parts = line.split('\t');
        if (parts.value(0) == "field")
            result[parts.value(1)] = parts.value(2);
    }
    return result;
}

bool E2eSession::waitForLabel(const QString& caption, bool present)
{
    return QTest::qWaitFor([&] { return labels().contains(caption) == present; }, 10000);
}

void E2eSession::closeWindow(const QString& title)
{
    run("/usr/bin/python3", {QStringLiteral(CLOSE_SCRIPT), title});
}

QByteArray E2eSession::settingsFile() const
{
    return readFile(QStringLiteral("Tovik.ini"));
}

QByteArray E2eSession::readFile(const QString& name) const
{
    QFile file(folder_.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool E2eSession::waitForFocusedWindow(const QString& title)
{
    return QTest::qWaitFor([&] {
        return run("xdotool", {"getwindowfocus", "getwindowname"}).trimmed() == title;
    }, 10000);
}

void E2eSession::writeSettingsFile(const QByteArray& content)
{
    QFile file(folder_.filePath("Tovik.ini"));
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}
