#include "vcl/MessageDialog_p.h"

#include "vcl/ModalFocus_p.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

// Dialog units: a quarter of the font's average character width across, an eighth of its
// height down.
struct DialogUnits {
    explicit DialogUnits(const QFontMetrics& fm)
        : baseX((fm.horizontalAdvance(QStringLiteral(
                     "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) +
                 26) /
                52),
          baseY(fm.height())
    {
    }
    int x(int units) const { return (units * baseX + 2) / 4; }
    int y(int units) const { return (units * baseY + 4) / 8; }
    int baseX;
    int baseY;
};

QChar mnemonicOf(const QString& caption)
{
    const auto at = caption.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < caption.size() ? caption[at + 1].toUpper() : QChar();
}

} // namespace

MessageDialog::MessageDialog(const QString& caption, const QString& text, const QPixmap& icon,
                             std::vector<Button> buttons, std::size_t defaultButton,
                             std::size_t cancelButton, int closeResult)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      text_(text), buttons_(std::move(buttons)), cancelButton_(cancelButton),
      closeResult_(closeResult)
{
    setWindowTitle(caption);
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose, false);
    for (const Button& b : buttons_) {
        auto* button = new QPushButton(b.caption, this);
        button->setAccessibleName(QString(b.caption).remove(QLatin1Char('&')));
        const int result = b.result;
        connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        pushButtons_.push_back(button);
    }
    layOut(icon);
    pushButtons_[defaultButton]->setDefault(true);
    pushButtons_[defaultButton]->setFocus();
}

void MessageDialog::layOut(const QPixmap& icon)
{
    const DialogUnits du(fontMetrics());
    const int margin = du.x(8);
    const int marginY = du.y(8);
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 1024, 768);

    int textLeft = margin;
    int iconHeight = 0;
    if (!icon.isNull()) {
        auto* iconLabel = new QLabel(this);
        iconLabel->setPixmap(icon);
        iconLabel->setGeometry(margin, marginY, 32, 32);
        textLeft = margin + 32 + du.x(10);
        iconHeight = 32;
    }

    auto* label = new QLabel(text_, this);
    label->setObjectName(QStringLiteral("message"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    const QRect textRect = fontMetrics().boundingRect(QRect(0, 0, screenRect.width() / 2, 100000),
                                                      Qt::TextWordWrap, text_);
    const int textHeight = std::max(textRect.height(), iconHeight);
    label->setGeometry(textLeft, marginY, textRect.width(), textHeight);

    int buttonWidth = du.x(50);
    for (const Button& b : buttons_)
        buttonWidth = std::max(buttonWidth,
                               fontMetrics().horizontalAdvance(QString(b.caption).remove('&')) + 8);
    const int buttonHeight = du.y(14);
    const int gap = du.x(4);
    const int rowWidth = static_cast<int>(buttons_.size()) * (buttonWidth + gap) - gap;

    const int width = std::max(textLeft + textRect.width() + margin, rowWidth + 2 * margin);
    const int buttonTop = marginY + textHeight + du.y(10);
    int x = (width - rowWidth) / 2;
    for (QPushButton* button : pushButtons_) {
        button->setGeometry(x, buttonTop, buttonWidth, buttonHeight);
        x += buttonWidth + gap;
    }
    setFixedSize(width, buttonTop + buttonHeight + marginY);
    move(screenRect.x() + (screenRect.width() - width) / 2,
         screenRect.y() + (screenRect.height() - height()) / 2);
}

int MessageDialog::run()
{
    RestoreActiveWindow restoreAfterwards;
    return exec();
}

QString MessageDialog::clipboardText() const
{
    const QString rule = QString(27, QLatin1Char('-')) + QStringLiteral("\r\n");
    QString captions;
    for (const Button& b : buttons_)
        captions += QString(b.caption).remove(QLatin1Char('&')) + QStringLiteral("   ");
    return rule + windowTitle() + QStringLiteral("\r\n") + rule + text_ + QStringLiteral("\r\n") +
           rule + captions + QStringLiteral("\r\n") + rule;
}

void MessageDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        QApplication::beep();
        QGuiApplication::clipboard()->setText(clipboardText());
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        done(buttons_[cancelButton_].result);
        return;
    }
    const auto mods = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (mods == Qt::NoModifier || mods == Qt::AltModifier) {
        const QString typed = event->text().toUpper();
        const QChar key = event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z
                              ? QChar(event->key())
                              : (typed.size() == 1 ? typed[0] : QChar());
        for (const Button& b : buttons_) {
            if (!key.isNull() && mnemonicOf(b.caption) == key) {
                done(b.result);
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

void MessageDialog::reject()
{
    done(closeResult_);
}
