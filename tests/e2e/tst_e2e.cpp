#include "E2eSession.h"

#include <QDir>
#include <QPoint>
#include <QTest>

namespace {

const QString MakerCode = QStringLiteral("国・メーカーコード");
const QString ItemCode = QStringLiteral("商品コード");
const QString CheckDigit = QStringLiteral("チェックデジット");
const QString DigitsOnly = QStringLiteral("数字のみです");
const QString SaveQuestion = QStringLiteral("今回の履歴を保存しますか？");

// The Calculate button's centre, in the window's client area.
constexpr int CalculateX = 112 + 24;
constexpr int CalculateY = 136 + 22;

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        session = std::make_unique<E2eSession>();
        QVERIFY2(session->ready(), qPrintable(session->error()));
        QVERIFY(session->startProgram());
    }
    void cleanup() { session.reset(); }

    void checkDigitIsReadBackByAScreenReader()
    {
        session->type("1234567");
        session->key("Tab");
        session->type("89012");
        session->click(CalculateX, CalculateY);
        QTRY_COMPARE(session->fields()[CheckDigit], QStringLiteral("8"));

        session->click(CalculateX, CalculateY);
        QTRY_COMPARE(session->fields()[ItemCode], QString());
        session->key("shift+Tab");
        session->key("BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace");
        session->type("4901234");
        session->key("Tab");
        session->type("00007");
        session->click(CalculateX, CalculateY);
        QTRY_COMPARE(session->fields()[CheckDigit], QStringLiteral("0"));
        QCOMPARE(session->fields()[MakerCode], QStringLiteral("4901234"));
    }

    void typicalRunAtTheCounter()
    {
        session->type("12345678");  // the eighth digit moves on and is lost
        session->type("89012");
        session->key("Return");
        QTRY_COMPARE(session->fields()[CheckDigit], QStringLiteral("8"));
        session->type("5");  // the next item starts with its first digit
        auto shown = session->fields();
        QCOMPARE(shown[ItemCode], QStringLiteral("5"));
        QCOMPARE(shown[CheckDigit], QString());
        session->type("6789");
        session->key("KP_Enter");
        QTRY_COMPARE(session->fields()[CheckDigit], QStringLiteral("1"));
        QCOMPARE(session->fields()[MakerCode], QStringLiteral("1234567"));
    }

    void japaneseCharacterIsRefusedOncePerByte()
    {
        session->type("12");
        session->type(QStringLiteral("数"));
        QVERIFY(session->waitForLabel(DigitsOnly));
        session->key("Return");
        // The second byte brings the second box.
        QVERIFY(session->labels().contains(DigitsOnly));
        session->key("Return");
        QVERIFY(session->waitForLabel(DigitsOnly, false));
        session->type("3");
        const auto shown = session->fields();
        QCOMPARE(shown.at(MakerCode), QStringLiteral("123"));
        QCOMPARE(shown.at(ItemCode), QString());
        QCOMPARE(shown.at(CheckDigit), QString());
    }

    void settingsCarryOverToTheNextRun()
    {
        session->type("4901234");
        session->closeWindow();
        QVERIFY(session->waitForLabel(SaveQuestion));
        session->key("n");
        QVERIFY(session->waitForExit(10000));
        QCOMPARE(session->settingsFile(), QByteArray("[tovik]\r\nTop=127\r\nLeft=198\r\nEdit1=4901234\r\n\r\n"));

        session->writeSettingsFile("[tovik]\r\nTop=200\r\nLeft=300\r\nEdit1=4901234\r\n");
        QVERIFY(session->startProgram());
        QCOMPARE(session->windowPosition(), QPoint(300, 200));
        QCOMPARE(session->fields()[MakerCode], QStringLiteral("4901234"));
        // The cursor starts in the item code.
        session->type("00007");
        session->key("Return");
        QTRY_COMPARE(session->fields()[CheckDigit], QStringLiteral("0"));
        session->closeWindow();
        QVERIFY(session->waitForLabel(SaveQuestion));
        session->key("n");
        QVERIFY(session->waitForExit(10000));
        QCOMPARE(session->settingsFile(), QByteArray("[tovik]\r\nTop=200\r\nLeft=300\r\nEdit1=4901234\r\n\r\n"));
    }

    void historySavedToTheFileTypedInTheDialog()
    {
        session->type("1234567");
        session->key("Tab");
        session->type("89012");
        session->key("Return");
        QTRY_COMPARE(session->fields()[CheckDigit], QStringLiteral("8"));
        // A new maker code, then two items under it; each first digit starts the next item.
        session->key("shift+Tab BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace");
        session->type("4901234");
        session->key("Tab");
        session->type("56789");
        session->key("Return");
        QTRY_COMPARE(session->fields()[CheckDigit], QStringLiteral("4"));
        session->type("00007");
        session->key("Return");
        QTRY_COMPARE(session->fields()[CheckDigit], QStringLiteral("0"));

        session->closeWindow();
        QVERIFY(session->waitForLabel(SaveQuestion));
        session->key("Return");
        QVERIFY(session->waitForFocusedWindow(QStringLiteral("名前を付けて保存")));
        session->type("codes");
        session->key("Return");
        QVERIFY(session->waitForExit(10000));
        QCOMPARE(session->readFile("codes.txt"),
                 QByteArray("1234567890128\r\n4901234567894\r\n4901234000070\r\n\r\n"));
    }

    void questionClosedByItsCloseBoxSavesNothing()
    {
        session->closeWindow();
        QVERIFY(session->waitForLabel(SaveQuestion));
        session->closeWindow(QStringLiteral("情報"));
        QVERIFY(session->waitForExit(10000));
        const QStringList files = QDir(session->folder()).entryList(QDir::Files, QDir::Name);
        QCOMPARE(files, (QStringList{"Tovik.ini", "tovik"}));
    }

private:
    std::unique_ptr<E2eSession> session;
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
