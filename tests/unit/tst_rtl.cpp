#include "rtl/Cp932.h"
#include "rtl/ErrorReport.h"
#include "rtl/Exceptions.h"
#include "rtl/Paths.h"
#include "rtl/SysUtils.h"

#include <QTest>

class TestRtl : public QObject {
    Q_OBJECT

private slots:
    void cp932RoundTrip_data()
    {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QByteArray>("cp932");
        QTest::newRow("ascii") << QByteArray("1234567") << QByteArray("1234567");
        QTest::newRow("kana and kanji") << QByteArray("数字のみです")
                                        << QByteArray("\x90\x94\x8E\x9A\x82\xCC\x82\xDD\x82\xC5\x82\xB7");
        QTest::newRow("half-width katakana") << QByteArray("ｱ") << QByteArray("\xB1");
        QTest::newRow("full-width digit one") << QByteArray("１") << QByteArray("\x82\x50");
        QTest::newRow("NEC special: circled one") << QByteArray("①") << QByteArray("\x87\x40");
    }
    void cp932RoundTrip()
    {
        QFETCH(QByteArray, utf8);
        QFETCH(QByteArray, cp932);
        const AnsiString ansi = Utf8ToAnsi(utf8.toStdString());
        QCOMPARE(QByteArray::fromStdString(ansi), cp932);
        QCOMPARE(QByteArray::fromStdString(AnsiToUtf8(ansi)), utf8);
    }

    void unconvertibleCharactersBecomeQuestionMarks()
    {
        QCOMPARE(Utf8ToAnsi("a€b😀c"), AnsiString("a?b?c"));
        QCOMPARE(AnsiToUtf8("1\x82"), std::string("1?"));   // a lone lead byte at the end
        QCOMPARE(AnsiToUtf8("\xA0x"), std::string("?x"));   // a byte CP932 leaves undefined
    }

    void doubleByteCharactersCountTwo()
    {
        const AnsiString text = Utf8ToAnsi("12数");
        QCOMPARE(text.size(), std::size_t(4));
        QCOMPARE(CharLength(text, 2), std::size_t(2));
        QVERIFY(IsLeadByte(0x81) && IsLeadByte(0x9F) && IsLeadByte(0xE0) && IsLeadByte(0xFC));
        QVERIFY(!IsLeadByte(0x80) && !IsLeadByte(0xA0) && !IsLeadByte(0xDF) && !IsLeadByte('A'));
    }

    void strToInt_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<int>("value");
        for (int digit = 0; digit <= 9; ++digit)
            QTest::addRow("digit %d", digit) << QByteArray::number(digit) << true << digit;
        QTest::newRow("300") << QByteArray("300") << true << 300;
        QTest::newRow("+300") << QByteArray("+300") << true << 300;
        QTest::newRow("0300 stays decimal") << QByteArray("0300") << true << 300;
        QTest::newRow("0x12C") << QByteArray("0x12C") << true << 300;
        QTest::newRow("0X12C") << QByteArray("0X12C") << true << 300;
        QTest::newRow("$12C") << QByteArray("$12C") << true << 300;
        QTest::newRow("x12C") << QByteArray("x12C") << true << 300;
        QTest::newRow("X12c") << QByteArray("X12c") << true << 300;
        QTest::newRow("-40") << QByteArray("-40") << true << -40;
        QTest::newRow("leading blanks") << QByteArray("  7") << true << 7;
        QTest::newRow("$FFFFFFFF") << QByteArray("$FFFFFFFF") << true << -1;
        QTest::newRow("$80000000") << QByteArray("$80000000") << true << INT_MIN;
        QTest::newRow("max") << QByteArray("2147483647") << true << INT_MAX;
        QTest::newRow("min") << QByteArray("-2147483648") << true << INT_MIN;
        QTest::newRow("empty") << QByteArray("") << false << 0;
        QTest::newRow("space") << QByteArray(" ") << false << 0;
        QTest::newRow("plus") << QByteArray("+") << false << 0;
        QTest::newRow("minus") << QByteArray("-") << false << 0;
        QTest::newRow("dollar") << QByteArray("$") << false << 0;
        QTest::newRow("x alone") << QByteArray("x") << false << 0;
        QTest::newRow("0x alone") << QByteArray("0x") << false << 0;
        QTest::newRow("12C") << QByteArray("12C") << false << 0;
        QTest::newRow("300px") << QByteArray("300px") << false << 0;
        QTest::newRow("trailing blank") << QByteArray("300 ") << false << 0;
        QTest::newRow("3 00") << QByteArray("3 00") << false << 0;
        QTest::newRow("1e3") << QByteArray("1e3") << false << 0;
        QTest::newRow("-0x10") << QByteArray("-0x10") << false << 0;
        QTest::newRow("2147483648") << QByteArray("2147483648") << false << 0;
        QTest::newRow("-2147483649") << QByteArray("-2147483649") << false << 0;
        QTest::newRow("$100000000") << QByteArray("$100000000") << false << 0;
        QTest::newRow("lead byte") << QByteArray("\x82") << false << 0;
    }
    void strToInt()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, isNumber);
        QFETCH(int, value);
        QCOMPARE(StrToIntDef(text.toStdString(), 12345), isNumber ? value : 12345);
        if (isNumber) {
            QCOMPARE(StrToInt(text.toStdString()), value);
            return;
        }
        try {
            StrToInt(text.toStdString());
            QFAIL("no EConvertError");
        } catch (const EConvertError& error) {
            QCOMPARE(error.Message(), "'" + text.toStdString() + Utf8ToAnsi("' は整数ではありません"));
        }
    }

    void intToStr()
    {
        QCOMPARE(IntToStr(0), AnsiString("0"));
        QCOMPARE(IntToStr(-40), AnsiString("-40"));
        QCOMPARE(IntToStr(INT_MIN), AnsiString("-2147483648"));
    }

    void applicationTitle_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("title");
        QTest::newRow("tovik") << QByteArray("/opt/tovik/tovik") << QByteArray("tovik");
        QTest::newRow("capitals") << QByteArray("/x/CHECK.EXE") << QByteArray("Check");
        QTest::newRow("first dot cuts") << QByteArray("/x/my.tool.exe") << QByteArray("my");
        QTest::newRow("dots in folders") << QByteArray("/a.b/Tovik") << QByteArray("Tovik");
        QTest::newRow("no folder") << QByteArray("TOVIK") << QByteArray("Tovik");
        // The trail byte 0x41 is the letter A: it must stay as it is.
        QTest::newRow("double-byte") << QByteArray("/x/X\x83\x41Z") << QByteArray("X\x83\x41z");
    }
    void applicationTitle()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, title);
        QCOMPARE(QByteArray::fromStdString(ApplicationTitleFor(path.toStdString())), title);
    }

    void executablePath()
    {
        const AnsiString path = ExecutablePath();
        QVERIFY(path.ends_with("/tst_rtl"));
        QCOMPARE(ExtractFilePath(path) + "tst_rtl", path);
    }

    void errorReportFullStop_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QByteArray>("shown");
        const QByteArray japanese = QByteArray::fromStdString(Utf8ToAnsi("'X' は整数ではありません"));
        QTest::newRow("ends in Japanese") << japanese << japanese + ".";
        QTest::newRow("ends in a dot") << QByteArray("Done.") << QByteArray("Done.");
        QTest::newRow("ends in a parenthesis") << QByteArray::fromStdString(Utf8ToAnsi("I/O エラー (28)"))
                                               << QByteArray::fromStdString(Utf8ToAnsi("I/O エラー (28)"));
        QTest::newRow("ends in a space") << QByteArray("abc ") << QByteArray("abc ");
        QTest::newRow("ends in a letter") << QByteArray("abc") << QByteArray("abc.");
        QTest::newRow("ends in a slash") << QByteArray("a/") << QByteArray("a/.");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("ideographic space") << QByteArray("\x81\x40") << QByteArray("\x81\x40.");
    }
    void errorReportFullStop()
    {
        QFETCH(QByteArray, message);
        QFETCH(QByteArray, shown);
        QCOMPARE(QByteArray::fromStdString(ErrorReportText(message.toStdString())), shown);
    }
};

QTEST_GUILESS_MAIN(TestRtl)
#include "tst_rtl.moc"
