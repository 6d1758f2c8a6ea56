#pragma once

#include <QLineEdit>

#include <functional>

// The field behind TEdit: a QLineEdit whose character keys go through a byte filter first,
// whose length limit counts bytes of code page 932 on every route text comes in by, and
// which selects nothing when entered.
class EditWidget : public QLineEdit {
public:
    using KeyFilter = std::function<bool(unsigned char& key)>;

    explicit EditWidget(QWidget* parent);

    // Called once per byte; false when the handler failed and the key must go no further.
    void setKeyFilter(KeyFilter filter) { keyFilter_ = std::move(filter); }
    void setByteLimit(int bytes) { byteLimit_ = bytes; }
    void setAutoSelect(bool on) { autoSelect_ = on; }
    // Program text: shown whole, whatever the limit.
    void assignText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void limitUserEdit(const QString& text);

    KeyFilter keyFilter_;
    int byteLimit_ = 0;
    bool autoSelect_ = true;
    bool assigning_ = false;
    QString previous_;
};
