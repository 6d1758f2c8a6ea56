#include "FakeFields.h"

#include "entry/CheckDigit.h"
#include "rtl/Exceptions.h"

#include <QTest>

using entry::Field;

class TestCheckDigit : public QObject {
    Q_OBJECT

private slots:
    void calculates_data()
    {
        QTest::addColumn<QByteArray>("makerCode");
        QTest::addColumn<QByteArray>("itemCode");
        QTest::addColumn<QByteArray>("checkDigit");
        QTest::newRow("worked example 1") << QByteArray("1234567") << QByteArray("89012") << QByteArray("8");
        QTest::newRow("worked example 2") << QByteArray("4901234") << QByteArray("56789") << QByteArray("4");
        QTest::newRow("sum a multiple of ten shows 0") << QByteArray("4901234") << QByteArray("00007") << QByteArray("0");
        QTest::newRow("all zeros") << QByteArray("0000000") << QByteArray("00000") << QByteArray("0");
        QTest::newRow("all nines, sum 216") << QByteArray("9999999") << QByteArray("99999") << QByteArray("4");
        QTest::newRow("weights start with 1 at the left") << QByteArray("1000000") << QByteArray("00000") << QByteArray("9");
        QTest::newRow("second digit weighs 3") << QByteArray("0100000") << QByteArray("00000") << QByteArray("7");
    }
    void calculates()
    {
        QFETCH(QByteArray, makerCode);
        QFETCH(QByteArray, itemCode);
        QFETCH(QByteArray, checkDigit);
        FakeFields fields;
        fields.texts = {makerCode.toStdString(), itemCode.toStdString(), {}};
        entry::RunHistory history;

        entry::CalculateCheckDigit(fields, history);

        QCOMPARE(fields.Text(Field::CheckDigit), checkDigit.toStdString());
        QCOMPARE(history.Text(), (makerCode + itemCode + checkDigit + "\r\n").toStdString());
        QCOMPARE(fields.Text(Field::MakerCode), makerCode.toStdString());
        QCOMPARE(fields.Text(Field::ItemCode), itemCode.toStdString());
        QVERIFY(fields.messages.empty());
        QCOMPARE(fields.focus, FakeFields::Focus::MakerCode);
    }

    void incompleteCodeShowsMessage_data()
    {
        QTest::addColumn<QByteArray>("makerCode");
        QTest::addColumn<QByteArray>("itemCode");
        QTest::newRow("maker code of 6") << QByteArray("123456") << QByteArray("89012");
        QTest::newRow("maker code of 8") << QByteArray("12345678") << QByteArray("89012");
        QTest::newRow("item code of 4") << QByteArray("1234567") << QByteArray("8901");
        QTest::newRow("both empty") << QByteArray() << QByteArray();
        // A double-byte character counts two bytes.
        QTest::newRow("maker code of 7 characters, 8 bytes") << QByteArray::fromStdString(sj("123456数")) << QByteArray("89012");
        QTest::newRow("item code of 3 characters, 4 bytes")
            << QByteArray("1234567") << QByteArray::fromStdString(sj("12数"));
    }
    void incompleteCodeShowsMessage()
    {
        QFETCH(QByteArray, makerCode);
        QFETCH(QByteArray, itemCode);
        FakeFields fields;
        fields.texts = {makerCode.toStdString(), itemCode.toStdString(), {}};
        entry::RunHistory history;

        entry::CalculateCheckDigit(fields, history);

        QCOMPARE(fields.messages, std::vector<AnsiString>{sj("コードを全部入力してください")});
        QVERIFY(fields.Text(Field::CheckDigit).empty());
        QVERIFY(history.Text().empty());
    }

    void notADigitRaisesConversionError_data()
    {
        QTest::addColumn<QByteArray>("makerCode");
        QTest::addColumn<QByteArray>("itemCode");
        QTest::addColumn<QByteArray>("quoted");
        QTest::newRow("space in item code") << QByteArray("1234567") << QByteArray("12 45") << QByteArray(" ");
        QTest::newRow("plus") << QByteArray("+234567") << QByteArray("12345") << QByteArray("+");
        QTest::newRow("first failing character wins") << QByteArray("123456a") << QByteArray("b2345") << QByteArray("a");
        QTest::newRow("lead byte of a double-byte character")
            << QByteArray::fromStdString(sj("12345数")) << QByteArray("12345") << QByteArray("\x90");
    }
    void notADigitRaisesConversionError()
    {
        QFETCH(QByteArray, makerCode);
        QFETCH(QByteArray, itemCode);
        QFETCH(QByteArray, quoted);
        FakeFields fields;
        fields.texts = {makerCode.toStdString(), itemCode.toStdString(), {}};
        entry::RunHistory history;
        history.AppendLine("1234567890128");

        try {
            entry::CalculateCheckDigit(fields, history);
            QFAIL("no EConvertError");
        } catch (const EConvertError& error) {
            QCOMPARE(error.Message(), "'" + quoted.toStdString() + sj("' は整数ではありません"));
        }
        QVERIFY(fields.Text(Field::CheckDigit).empty());
        QCOMPARE(history.Text(), AnsiString("1234567890128\r\n"));
        QVERIFY(fields.messages.empty());
    }

    void calculateButtonAlternates()
    {
        FakeFields fields;
        fields.texts = {"1234567", "89012", {}};
        fields.focus = FakeFields::Focus::ItemCode;
        entry::RunHistory history;

        entry::CalculateButtonClick(fields, history);
        QCOMPARE(fields.texts, (std::array<AnsiString, 3>{"1234567", "89012", "8"}));
        QCOMPARE(history.Text(), AnsiString("1234567890128\r\n"));

        entry::CalculateButtonClick(fields, history);
        QCOMPARE(fields.texts, (std::array<AnsiString, 3>{"1234567", "", ""}));
        QCOMPARE(history.Text(), AnsiString("1234567890128\r\n"));

        entry::CalculateButtonClick(fields, history);
        QCOMPARE(fields.messages, std::vector<AnsiString>{sj("コードを全部入力してください")});
        QCOMPARE(history.Text(), AnsiString("1234567890128\r\n"));
        QCOMPARE(fields.focus, FakeFields::Focus::ItemCode);
    }

    void anyCheckDigitTextMakesCalculateClear()
    {
        FakeFields fields;
        fields.texts = {"1234567", "89012", sj("あ")};
        entry::RunHistory history;
        entry::CalculateButtonClick(fields, history);
        QCOMPARE(fields.texts, (std::array<AnsiString, 3>{"1234567", "", ""}));
        QVERIFY(history.Text().empty());
    }

    void sameCodeTwiceStandsTwice()
    {
        FakeFields fields;
        entry::RunHistory history;
        for (int i = 0; i < 2; ++i) {
            fields.texts = {"4901234", "00007", {}};
            entry::CalculateCheckDigit(fields, history);
        }
        QCOMPARE(history.Text(), AnsiString("4901234000070\r\n4901234000070\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestCheckDigit)
#include "tst_checkdigit.moc"
