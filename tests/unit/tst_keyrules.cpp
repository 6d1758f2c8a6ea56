#include "FakeFields.h"

#include "entry/KeyRules.h"

#include <QTest>

using entry::Field;
using Focus = FakeFields::Focus;

Q_DECLARE_METATYPE(Focus)

namespace {

enum class Event { MakerCodeKey, ItemCodeKey, DigitButton };

} // namespace

Q_DECLARE_METATYPE(Event)

// Every row of the entry rules: a key typed in a field, or a keypad button pressed, with
// the fields, focus and message it must leave. "Key after" is what reaches the field's
// own handling: the key itself, or 0 when the handler swallowed it.
class TestKeyRules : public QObject {
    Q_OBJECT

private slots:
    void rules_data()
    {
        QTest::addColumn<Event>("event");
        QTest::addColumn<int>("key");
        QTest::addColumn<QByteArray>("edit1");
        QTest::addColumn<QByteArray>("edit2");
        QTest::addColumn<QByteArray>("edit3");
        QTest::addColumn<Focus>("focusBefore");
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<int>("keyAfter");
        QTest::addColumn<QByteArray>("edit1After");
        QTest::addColumn<QByteArray>("edit2After");
        QTest::addColumn<QByteArray>("edit3After");
        QTest::addColumn<Focus>("focusAfter");

        const QByteArray digitsOnly = QByteArray::fromStdString(sj("数字のみです"));
        const QByteArray incomplete = QByteArray::fromStdString(sj("コードを全部入力してください"));
        const auto M = Event::MakerCodeKey;
        const auto I = Event::ItemCodeKey;
        const auto B = Event::DigitButton;
        const auto F1 = Focus::MakerCode;
        const auto F2 = Focus::ItemCode;
        const auto F3 = Focus::CheckDigit;

        // Edit1KeyPress
        QTest::newRow("edit1: digit below 7") << M << int('5') << QByteArray("123456") << QByteArray() << QByteArray() << F1
                                              << QByteArray() << int('5') << QByteArray("123456") << QByteArray() << QByteArray() << F1;
        QTest::newRow("edit1: digit at 7 moves on") << M << int('8') << QByteArray("1234567") << QByteArray("12") << QByteArray("4") << F1
                                                    << QByteArray() << int('8') << QByteArray("1234567") << QByteArray("12") << QByteArray("4") << F2;
        QTest::newRow("edit1: digit at 8 moves on") << M << int('0') << QByteArray("12345678") << QByteArray() << QByteArray() << F1
                                                    << QByteArray() << int('0') << QByteArray("12345678") << QByteArray() << QByteArray() << F2;
        QTest::newRow("edit1: digit 0 is the lowest digit") << M << 48 << QByteArray() << QByteArray() << QByteArray() << F1
                                                            << QByteArray() << 48 << QByteArray() << QByteArray() << QByteArray() << F1;
        QTest::newRow("edit1: digit 9 is the highest digit") << M << 57 << QByteArray() << QByteArray() << QByteArray() << F1
                                                             << QByteArray() << 57 << QByteArray() << QByteArray() << QByteArray() << F1;
        for (int code : {0, 1, 3, 8, 13, 22, 24, 27, 32})
            QTest::addRow("edit1: code %d passes", code) << M << code << QByteArray("1234567") << QByteArray() << QByteArray("8") << F1
                                                         << QByteArray() << code << QByteArray("1234567") << QByteArray() << QByteArray("8") << F1;
        for (int code : {33, 47, 58, 65, 127, 128, 0x82, 0xB1, 255})
            QTest::addRow("edit1: code %d refused", code) << M << code << QByteArray("123") << QByteArray() << QByteArray() << F1
                                                          << digitsOnly << 0 << QByteArray("123") << QByteArray() << QByteArray() << F1;

        // Edit2KeyPress
        QTest::newRow("edit2: enter calculates") << I << 13 << QByteArray("1234567") << QByteArray("89012") << QByteArray() << F2
                                                 << QByteArray() << 0 << QByteArray("1234567") << QByteArray("89012") << QByteArray("8") << F2;
        QTest::newRow("edit2: enter, incomplete code") << I << 13 << QByteArray("1234567") << QByteArray("8901") << QByteArray() << F2
                                                       << incomplete << 0 << QByteArray("1234567") << QByteArray("8901") << QByteArray() << F2;
        QTest::newRow("edit2: enter, maker code of 8") << I << 13 << QByteArray("12345678") << QByteArray("89012") << QByteArray() << F2
                                                       << incomplete << 0 << QByteArray("12345678") << QByteArray("89012") << QByteArray() << F2;
        QTest::newRow("edit2: enter with check digit clears") << I << 13 << QByteArray("1234567") << QByteArray("89012") << QByteArray("8") << F2
                                                              << QByteArray() << 0 << QByteArray("1234567") << QByteArray() << QByteArray() << F2;
        QTest::newRow("edit2: digit below 5") << I << int('1') << QByteArray("1234567") << QByteArray("89") << QByteArray() << F2
                                              << QByteArray() << int('1') << QByteArray("1234567") << QByteArray("89") << QByteArray() << F2;
        QTest::newRow("edit2: digit at 5, no room") << I << int('1') << QByteArray("1234567") << QByteArray("89012") << QByteArray() << F2
                                                    << QByteArray() << int('1') << QByteArray("1234567") << QByteArray("89012") << QByteArray() << F2;
        QTest::newRow("edit2: digit with check digit starts next item") << I << int('3') << QByteArray("1234567") << QByteArray("89012") << QByteArray("8") << F2
                                                                        << QByteArray() << int('3') << QByteArray("1234567") << QByteArray() << QByteArray() << F2;
        for (int code : {8, 27, 22, 32})
            QTest::addRow("edit2: code %d, no check digit", code) << I << code << QByteArray("1234567") << QByteArray("890") << QByteArray() << F2
                                                                  << QByteArray() << code << QByteArray("1234567") << QByteArray("890") << QByteArray() << F2;
        for (int code : {8, 27, 22, 32})
            QTest::addRow("edit2: code %d with check digit clears", code) << I << code << QByteArray("1234567") << QByteArray("89012") << QByteArray("8") << F2
                                                                          << QByteArray() << code << QByteArray("1234567") << QByteArray() << QByteArray() << F2;
        for (int code : {47, 58, 65, 0x82})
            QTest::addRow("edit2: code %d refused", code) << I << code << QByteArray("1234567") << QByteArray("890") << QByteArray() << F2
                                                          << digitsOnly << 0 << QByteArray("1234567") << QByteArray("890") << QByteArray() << F2;
        QTest::newRow("edit2: refused with check digit clears after the box") << I << int('a') << QByteArray("1234567") << QByteArray("89012") << QByteArray("8") << F2
                                                                               << digitsOnly << 0 << QByteArray("1234567") << QByteArray() << QByteArray() << F2;
        QTest::newRow("edit2: any text in edit3 counts as shown") << I << int('1') << QByteArray("1234567") << QByteArray("89012") << QByteArray("x") << F2
                                                                 << QByteArray() << int('1') << QByteArray("1234567") << QByteArray() << QByteArray() << F2;

        // SpeedButton10Click
        QTest::newRow("button: maker code below 7, focus stays") << B << int('4') << QByteArray("123") << QByteArray("5") << QByteArray() << F2
                                                                << QByteArray() << int('4') << QByteArray("1234") << QByteArray("5") << QByteArray() << F2;
        QTest::newRow("button: 7th digit, focus stays") << B << int('7') << QByteArray("123456") << QByteArray() << QByteArray() << F1
                                                        << QByteArray() << int('7') << QByteArray("1234567") << QByteArray() << QByteArray() << F1;
        QTest::newRow("button: maker full, item below 5") << B << int('8') << QByteArray("1234567") << QByteArray() << QByteArray("4") << F1
                                                          << QByteArray() << int('8') << QByteArray("1234567") << QByteArray("8") << QByteArray("4") << F2;
        QTest::newRow("button: both full, check digit shown") << B << int('6') << QByteArray("1234567") << QByteArray("89012") << QByteArray("8") << F3
                                                              << QByteArray() << int('6') << QByteArray("1234567") << QByteArray("6") << QByteArray() << F2;
        QTest::newRow("button: both full, no check digit") << B << int('6') << QByteArray("1234567") << QByteArray("89012") << QByteArray() << F1
                                                           << QByteArray() << int('6') << QByteArray("1234567") << QByteArray("89012") << QByteArray() << F2;
        QTest::newRow("button: maker code of 8 fills item code") << B << int('0') << QByteArray("12345678") << QByteArray() << QByteArray() << F1
                                                                 << QByteArray() << int('0') << QByteArray("12345678") << QByteArray("0") << QByteArray() << F2;
    }

    void rules()
    {
        QFETCH(Event, event);
        QFETCH(int, key);
        QFETCH(QByteArray, edit1);
        QFETCH(QByteArray, edit2);
        QFETCH(QByteArray, edit3);
        QFETCH(Focus, focusBefore);
        QFETCH(QByteArray, message);
        QFETCH(int, keyAfter);
        QFETCH(QByteArray, edit1After);
        QFETCH(QByteArray, edit2After);
        QFETCH(QByteArray, edit3After);
        QFETCH(Focus, focusAfter);

        FakeFields fields;
        fields.texts = {edit1.toStdString(), edit2.toStdString(), edit3.toStdString()};
        fields.focus = focusBefore;
        entry::RunHistory history;
        unsigned char byte = static_cast<unsigned char>(key);

        switch (event) {
        case Event::MakerCodeKey:
            entry::MakerCodeKeyPress(fields, byte);
            break;
        case Event::ItemCodeKey:
            entry::ItemCodeKeyPress(fields, history, byte);
            break;
        case Event::DigitButton:
            entry::DigitButtonClick(fields, AnsiString(1, static_cast<char>(key)));
            break;
        }

        const std::vector<AnsiString> expectedMessages =
            message.isEmpty() ? std::vector<AnsiString>{} : std::vector<AnsiString>{message.toStdString()};
        QCOMPARE(fields.messages, expectedMessages);
        if (event != Event::DigitButton)
            QCOMPARE(int(byte), keyAfter);
        QCOMPARE(fields.Text(Field::MakerCode), edit1After.toStdString());
        QCOMPARE(fields.Text(Field::ItemCode), edit2After.toStdString());
        QCOMPARE(fields.Text(Field::CheckDigit), edit3After.toStdString());
        QCOMPARE(fields.focus, focusAfter);
    }

    // Calculating through Enter records the code, as the Calculate button does.
    void enterRecordsTheCode()
    {
        FakeFields fields;
        fields.texts = {"4901234", "56789", {}};
        entry::RunHistory history;
        unsigned char enter = 13;
        entry::ItemCodeKeyPress(fields, history, enter);
        QCOMPARE(history.Text(), AnsiString("4901234567894\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestKeyRules)
#include "tst_keyrules.moc"
