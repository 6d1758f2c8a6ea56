#include "BoxWatch.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

BoxWatch::BoxWatch()
{
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, &BoxWatch::poll);
    timer_.start();
}

void BoxWatch::expectKey(int key, Qt::KeyboardModifiers modifiers)
{
    expect([key, modifiers](QDialog& box) {
        QWidget* target = box.focusWidget() ? box.focusWidget() : &box;
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    });
}

QString BoxWatch::describe(const QDialog& box)
{
    const auto* message = box.findChild<QLabel*>(QStringLiteral("message"));
    return box.windowTitle() + QLatin1Char('|') + (message ? message->text() : QString());
}

void BoxWatch::poll()
{
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) {
        current_ = nullptr;
        return;
    }
    if (box != current_) {
        current_ = box;
        ticksOpen_ = 0;
        // A box opened right after another may reuse its address: forget it once it ends.
        connect(box, &QDialog::finished, this, [this] { current_ = nullptr; },
                Qt::SingleShotConnection);
        seen << describe(*box);
        if (answers_.empty()) {
            problems << QStringLiteral("unexpected box: ") + describe(*box);
            box->reject();
            return;
        }
        Answer answer = std::move(answers_.front());
        answers_.pop_front();
        // A user answers a box once it has the keyboard; before that, a field of it may
        // not react as it does with the focus (a file dialog's name box, above all).
        if (!QTest::qWaitForWindowActive(box, 2000))
            problems << QStringLiteral("box never became active: ") + describe(*box);
        answer(*box);
        return;
    }
    if (++ticksOpen_ > 150) {
        problems << QStringLiteral("box stayed open: ") + describe(*box);
        box->reject();
    }
}
