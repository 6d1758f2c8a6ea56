#pragma once

#include <QDialog>
#include <QPixmap>

#include <vector>

class QPushButton;

// The modal message box of the platform: an optional icon, word-wrapped text and a centred
// row of buttons, laid out in dialog units of the message font and centred on the screen.
// Ctrl+C beeps and copies the box as text.
class MessageDialog : public QDialog {
public:
    struct Button {
        QString caption; // "&" marks the letter that chooses it
        int result;
    };

    // closeResult: what the close box (and Alt+F4) gives; Esc chooses the cancel button.
    MessageDialog(const QString& caption, const QString& text, const QPixmap& icon,
                  std::vector<Button> buttons, std::size_t defaultButton,
                  std::size_t cancelButton, int closeResult);

    int run();
    QString clipboardText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

public:
    void reject() override;

private:
    void layOut(const QPixmap& icon);

    QString text_;
    std::vector<Button> buttons_;
    std::vector<QPushButton*> pushButtons_;
    std::size_t cancelButton_;
    int closeResult_;
};
