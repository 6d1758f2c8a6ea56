#pragma once

#include <QPointer>
#include <QWidget>

// The main form's window, if there is one yet.
QWidget* MainWindowWidget();

// A modal dialog of ours may have no parent window, and then nothing hands the keyboard
// back when it closes unless we do: the window that was active when it opened gets it
// again, with its focused field. A dialog opened right after another finds no window
// active yet: that is the main one.
class RestoreActiveWindow {
public:
    RestoreActiveWindow();
    ~RestoreActiveWindow();
    RestoreActiveWindow(const RestoreActiveWindow&) = delete;
    RestoreActiveWindow& operator=(const RestoreActiveWindow&) = delete;

private:
    QPointer<QWidget> previous_;
};
