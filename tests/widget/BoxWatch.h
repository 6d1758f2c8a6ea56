#pragma once

#include <QDialog>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

// Watches for modal boxes so that no test ever hangs on one. Each box that opens is
// recorded as "caption|text" and handed to the next queued answer; a box nobody expected
// is recorded, closed, and fails the test at its end. A box left open by its answer is
// closed after a few seconds and recorded as stuck.
class BoxWatch : public QObject {
public:
    using Answer = std::function<void(QDialog& box)>;

    BoxWatch();

    void expect(Answer answer) { answers_.push_back(std::move(answer)); }
    // Answers with one key sent to the box's focused button.
    void expectKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    QStringList seen;
    QStringList problems;

    static QString describe(const QDialog& box);

private:
    void poll();

    QTimer timer_;
    std::deque<Answer> answers_;
    QDialog* current_ = nullptr;
    int ticksOpen_ = 0;
};
