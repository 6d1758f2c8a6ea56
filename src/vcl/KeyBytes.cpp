#include "vcl/KeyBytes_p.h"

#include "vcl/QtText_p.h"

#include <QKeyEvent>

std::optional<AnsiString> CharacterBytes(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers mods =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const int key = event.key();

    if (mods == Qt::ControlModifier && key >= Qt::Key_A && key <= Qt::Key_Z)
        return AnsiString(1, static_cast<char>(key - Qt::Key_A + 1));
    if (mods != Qt::NoModifier)
        return std::nullopt;

    switch (key) {
    case Qt::Key_Backspace:
        return AnsiString(1, '\b');
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return AnsiString(1, '\r');
    case Qt::Key_Escape:
        return AnsiString(1, '\x1b');
    case Qt::Key_Space:
        return AnsiString(1, ' ');
    case Qt::Key_Delete:
    case Qt::Key_Insert:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return std::nullopt;
    default:
        break;
    }

    const QString text = event.text();
    if (text.isEmpty())
        return std::nullopt;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return std::nullopt;
    }
    return ToAnsi(text);
}
