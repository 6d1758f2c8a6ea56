#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <map>
#include <memory>

// The real program in a real X server: its own Xvfb, its own session bus (which starts the
// accessibility bus on demand), and a copy of the built binary in a temporary folder, so
// its settings file is the test's own. Keys and clicks go through xdotool; what the window
// shows is read back through the accessibility bus, as a screen reader would.
class E2eSession {
public:
    E2eSession();
    ~E2eSession();

    bool ready() const { return !error_.isEmpty() ? false : true; }
    QString error() const { return error_; }
    QString folder() const { return folder_.path(); }

    bool startProgram();
    // Asks a window (the main one unless named) to close, as its close box does.
    void closeWindow(const QString& title = QStringLiteral("Tovik１型"));
    QByteArray settingsFile() const;
    // A file in the program's folder, which is also its working folder.
    QByteArray readFile(const QString& name) const;
    void writeSettingsFile(const QByteArray& content);
    bool programRunning() const;
    bool waitForExit(int ms);

    void type(const QString& text);
    void key(const QString& keys);
    void click(int clientX, int clientY);
    // Label or button captions currently on screen, and every field's text by its name.
    QStringList labels();
    std::map<QString, QString> fields();
    // The window's outer position as the X server has it.
    QPoint windowPosition();
    bool waitForLabel(const QString& caption, bool present = true);
    // Waits until the window with this title has the keyboard.
    bool waitForFocusedWindow(const QString& title);

private:
    QString run(const QString& program, const QStringList& arguments, int* exitCode = nullptr);
    QProcessEnvironment environment() const;

    QTemporaryDir folder_;
    QTemporaryDir home_;
    QString display_;
    QString busAddress_;
    QString error_;
    std::unique_ptr<QProcess> xvfb_;
    std::unique_ptr<QProcess> bus_;
    std::unique_ptr<QProcess> program_;
};
