#pragma once

#include "BoxWatch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TApplication;

// One application object and one main window per test, shown on the offscreen platform,
// with a box watch. The test binary runs as a copy inside a temporary folder, so the
// folder beside "the executable" is the test's own and starts empty for every test.
class WidgetFixture {
public:
    // `settings`: the content of Tovik.ini beside the executable before the window is made.
    explicit WidgetFixture(const QByteArray& settings = QByteArray());
    ~WidgetFixture();

    QWidget& window() const;
    QLineEdit& edit(int number) const;
    QPushButton& button(int number) const;
    QWidget* focus() const;
    QString executableDir() const;
    // Type text into the focused widget, as real key presses.
    void type(const QString& text) const;
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
    // Waits until every expected box has come and gone.
    bool settle() const;

    BoxWatch boxes;
    std::unique_ptr<TApplication> application;
};

// The application title, which every message box bears: the test binary's name.
inline QString applicationTitle()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).baseName();
}

// Runs the test class from a private copy of the test binary in a temporary folder.
int runWidgetTests(int argc, char** argv, QObject& tests);

#define TOVIK_WIDGET_TEST_MAIN(TestClass)                                                          \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        TestClass tests;                                                                           \
        return runWidgetTests(argc, argv, tests);                                                  \
    }
