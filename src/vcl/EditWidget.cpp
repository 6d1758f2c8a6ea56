#include "vcl/EditWidget_p.h"

#include "vcl/KeyBytes_p.h"
#include "vcl/QtText_p.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace {

int byteCount(const QString& text)
{
    return static_cast<int>(ToAnsi(text).size());
}

} // namespace

EditWidget::EditWidget(QWidget* parent) : QLineEdit(parent)
{
    // The toolkit's own limit counts characters and cuts program text; ours does neither.
    setMaxLength(32767);
    // The layout's fields are sized for a native edit's thin inner margin, not the wider
    // one the toolkit adds; without this a full maker code does not fit its field.
    setTextMargins(-2, 0, -2, 0);
    connect(this, &QLineEdit::textChanged, this, &EditWidget::limitUserEdit);
}

void EditWidget::assignText(const QString& text)
{
    assigning_ = true;
    setText(text);
    assigning_ = false;
    previous_ = this->text();
}

// Every user edit (typing, pasting by any route, an input method's commit, a drop) is
// one replacement of a stretch of the old text by new text. Only the new text is cut,
// whole characters at a time, so that the field's bytes stay within the limit; text that
// was already longer (set by the program) is left alone.
void EditWidget::limitUserEdit(const QString& text)
{
    if (assigning_ || byteLimit_ <= 0) {
        previous_ = text;
        return;
    }
    const QString old = previous_;
    qsizetype prefix = 0;
    while (prefix < old.size() && prefix < text.size() && old[prefix] == text[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < old.size() - prefix && suffix < text.size() - prefix &&
           old[old.size() - 1 - suffix] == text[text.size() - 1 - suffix])
        ++suffix;
    const QString kept = old.left(prefix) + old.right(suffix);
    const QString inserted = text.mid(prefix, text.size() - prefix - suffix);

    int room = byteLimit_ - byteCount(kept);
    QString fitted;
    for (qsizetype i = 0; i < inserted.size();) {
        const qsizetype length = inserted[i].isHighSurrogate() && i + 1 < inserted.size() ? 2 : 1;
        const QString character = inserted.mid(i, length);
        const int bytes = byteCount(character);
        if (bytes > room)
            break;
        room -= bytes;
        fitted += character;
        i += length;
    }
    if (fitted.size() == inserted.size()) {
        previous_ = text;
        return;
    }
    assigning_ = true;
    setText(old.left(prefix) + fitted + old.right(suffix));
    setCursorPosition(static_cast<int>(prefix + fitted.size()));
    assigning_ = false;
    previous_ = this->text();
}

void EditWidget::keyPressEvent(QKeyEvent* event)
{
    const std::optional<AnsiString> bytes = CharacterBytes(*event);
    if (!bytes) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();

    AnsiString delivered;
    for (const char byte : *bytes) {
        unsigned char key = static_cast<unsigned char>(byte);
        if (keyFilter_ && !keyFilter_(key))
            return;
        if (key != 0)
            delivered.push_back(static_cast<char>(key));
    }
    if (delivered.empty())
        return;
    // Enter and Esc insert nothing and are not passed on to the window.
    if (delivered == "\r" || delivered == "\x1b")
        return;
    if (delivered == *bytes) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent changed(QEvent::KeyPress, event->key(), event->modifiers(), ToQString(delivered));
    QLineEdit::keyPressEvent(&changed);
}

void EditWidget::focusInEvent(QFocusEvent* event)
{
    if (autoSelect_) {
        QLineEdit::focusInEvent(event);
        return;
    }
    // The toolkit selects the whole text when a field is entered by Tab; here it must not.
    QFocusEvent plain(event->type(), Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&plain);
}
