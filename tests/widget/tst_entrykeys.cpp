#include "WidgetFixture.h"

#include "Unit1.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>

namespace {

const QString DigitsOnly = QStringLiteral("数字のみです");

} // namespace

// The keyboard path and the keypad through real widgets: each key as a QTest event.
class TestEntryKeys : public QObject {
    Q_OBJECT

private slots:
    void init() { fixture = std::make_unique<WidgetFixture>(); }
    void cleanup()
    {
        const QStringList problems = fixture->boxes.problems;
        fixture.reset();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void eighthDigitMovesOnAndIsLost()
    {
        fixture->type("1234567");
        QCOMPARE(fixture->edit(1).text(), QStringLiteral("1234567"));
        QCOMPARE(fixture->focus(), &fixture->edit(1));
        fixture->type("8");
        QCOMPARE(fixture->edit(1).text(), QStringLiteral("1234567"));
        QVERIFY(fixture->edit(2).text().isEmpty());
        QCOMPARE(fixture->focus(), &fixture->edit(2));
        fixture->type("8");
        QCOMPARE(fixture->edit(2).text(), QStringLiteral("8"));
    }

    void keypadFillsMakerCodeThenItemCode()
    {
        for (int n = 1; n <= 7; ++n) {
            QTest::mouseClick(&fixture->button(n), Qt::LeftButton);
            QCOMPARE(fixture->focus(), &fixture->edit(1));
        }
        QTest::mouseClick(&fixture->button(8), Qt::LeftButton);
        QCOMPARE(fixture->edit(1).text(), QStringLiteral("1234567"));
        QCOMPARE(fixture->edit(2).text(), QStringLiteral("8"));
        QCOMPARE(fixture->focus(), &fixture->edit(2));
    }

    void doubleClickOnADigitButtonCountsTwice()
    {
        // What a real double click delivers: press, release, double-click press, release.
        QPushButton& button = fixture->button(5);
        const QPoint centre = button.rect().center();
        QTest::mouseClick(&button, Qt::LeftButton, {}, centre);
        QMouseEvent second(QEvent::MouseButtonDblClick, centre, button.mapToGlobal(centre),
                           Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&button, &second);
        QTest::mouseRelease(&button, Qt::LeftButton, {}, centre);
        QCOMPARE(fixture->edit(1).text(), QStringLiteral("55"));
    }

    void keypadAppendsAtTheEndWhereverTheCaret()
    {
        fixture->type("12");
        fixture->edit(1).setCursorPosition(0);
        QTest::mouseClick(&fixture->button(3), Qt::LeftButton);
        QCOMPARE(fixture->edit(1).text(), QStringLiteral("123"));
    }

    void nonDigitsAreRefused_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        for (int field : {1, 2}) {
            QTest::addRow("letter in Edit%d", field) << field << "a";
            QTest::addRow("colon in Edit%d", field) << field << ":";
            QTest::addRow("slash in Edit%d", field) << field << "/";
            QTest::addRow("half-width katakana in Edit%d", field) << field << QStringLiteral("ｱ");
        }
    }
    void nonDigitsAreRefused()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        if (field == 2)
            fixture->key(Qt::Key_Tab);
        fixture->type("12");
        fixture->boxes.expectKey(Qt::Key_Return);
        fixture->type(typed);
        QVERIFY(fixture->settle());
        QCOMPARE(fixture->boxes.seen, QStringList{applicationTitle() + "|" + DigitsOnly});
        QCOMPARE(fixture->edit(field).text(), QStringLiteral("12"));
        QCOMPARE(fixture->focus(), &fixture->edit(field));
    }

    void doubleByteCharacterIsRefusedTwice()
    {
        fixture->type("12");
        fixture->boxes.expectKey(Qt::Key_Return);
        fixture->boxes.expectKey(Qt::Key_Return);
        fixture->type(QStringLiteral("数"));
        QVERIFY(fixture->settle());
        QCOMPARE(fixture->boxes.seen, (QStringList{applicationTitle() + "|" + DigitsOnly, applicationTitle() + "|" + DigitsOnly}));
        QCOMPARE(fixture->edit(1).text(), QStringLiteral("12"));
        // The keyboard is back in the field: the next digit lands.
        fixture->type("3");
        QCOMPARE(fixture->edit(1).text(), QStringLiteral("123"));
    }

    void spaceIsInserted()
    {
        fixture->type("1 2");
        QCOMPARE(fixture->edit(1).text(), QStringLiteral("1 2"));
    }

    void enterInMakerCodeIsInert()
    {
        fixture->type("1234567");
        fixture->key(Qt::Key_Return);
        QCOMPARE(fixture->edit(1).text(), QStringLiteral("1234567"));
        QCOMPARE(fixture->focus(), &fixture->edit(1));
        QVERIFY(fixture->edit(3).text().isEmpty());
    }

    void enterThreeTimesInItemCode()
    {
        fixture->type("12345678");
        fixture->type("89012");
        fixture->key(Qt::Key_Return);
        QCOMPARE(fixture->edit(3).text(), QStringLiteral("8"));
        fixture->key(Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(fixture->edit(2).text().isEmpty());
        QVERIFY(fixture->edit(3).text().isEmpty());
        fixture->boxes.expectKey(Qt::Key_Return);
        fixture->key(Qt::Key_Return);
        QVERIFY(fixture->settle());
        QCOMPARE(fixture->boxes.seen, QStringList{applicationTitle() + "|コードを全部入力してください"});
        QCOMPARE(fixture->edit(1).text(), QStringLiteral("1234567"));
        QCOMPARE(fixture->focus(), &fixture->edit(2));
    }

    void controlKeysWithCheckDigitShownStartNextItem_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("itemCodeAfter");
        QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier) << QString();
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << int(Qt::NoModifier) << QString();
        QTest::newRow("Ctrl+V pastes unfiltered") << int(Qt::Key_V) << int(Qt::ControlModifier) << QStringLiteral("a b-c");
        QTest::newRow("digit stands alone") << int(Qt::Key_4) << int(Qt::NoModifier) << QStringLiteral("4");
    }
    void controlKeysWithCheckDigitShownStartNextItem()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, itemCodeAfter);
        QGuiApplication::clipboard()->setText(QStringLiteral("a b-c9"));
        fixture->type("1234567");
        fixture->key(Qt::Key_Tab);
        fixture->type("89012");
        fixture->key(Qt::Key_Return);
        QCOMPARE(fixture->edit(3).text(), QStringLiteral("8"));
        QTest::keyClick(fixture->focus(), static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(fixture->edit(2).text(), itemCodeAfter);
        QVERIFY(fixture->edit(3).text().isEmpty());
        QCOMPARE(fixture->edit(1).text(), QStringLiteral("1234567"));
    }

    void deleteLeavesTheCheckDigit()
    {
        fixture->type("1234567");
        fixture->key(Qt::Key_Tab);
        fixture->type("89012");
        fixture->key(Qt::Key_Return);
        fixture->edit(2).setCursorPosition(0);
        fixture->key(Qt::Key_Delete);
        QCOMPARE(fixture->edit(2).text(), QStringLiteral("9012"));
        QCOMPARE(fixture->edit(3).text(), QStringLiteral("8"));
    }

    void refusedKeyWithCheckDigitShownClearsAfterTheBox()
    {
        fixture->type("1234567");
        fixture->key(Qt::Key_Tab);
        fixture->type("89012");
        fixture->key(Qt::Key_Return);
        QString checkDigitDuringBox;
        fixture->boxes.expect([&](QDialog& box) {
            checkDigitDuringBox = fixture->edit(3).text();
            box.reject();
        });
        fixture->type("x");
        QVERIFY(fixture->settle());
        QCOMPARE(checkDigitDuringBox, QStringLiteral("8"));
        QVERIFY(fixture->edit(2).text().isEmpty());
        QVERIFY(fixture->edit(3).text().isEmpty());
    }

    void pasteIsCutAtTheByteLimit_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier);
        QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier);
    }
    void pasteIsCutAtTheByteLimit()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        fixture->key(Qt::Key_Tab);
        // Four bytes, then a double-byte character that would need bytes five and six.
        QGuiApplication::clipboard()->setText(QStringLiteral("1x34数5"));
        QTest::keyClick(fixture->focus(), static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(fixture->edit(2).text(), QStringLiteral("1x34"));

        fixture->edit(2).clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("1x3数45"));
        QTest::keyClick(fixture->focus(), static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(fixture->edit(2).text(), QStringLiteral("1x3数"));
        QCOMPARE(Form1->Edit2->Text().size(), std::size_t(5));
    }

    void composedTextIsBoundedButNotFiltered()
    {
        fixture->type("12345");
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("あいう"));
        QApplication::sendEvent(&fixture->edit(1), &commit);
        QCOMPARE(fixture->edit(1).text(), QStringLiteral("12345あ"));
        QVERIFY(fixture->boxes.seen.isEmpty());
    }

    void characterTypedIntoCheckDigitMakesCalculateClear()
    {
        Form1->Edit1->SetText("1234567");
        Form1->Edit2->SetText("89012");
        QTest::mouseClick(&fixture->edit(3), Qt::LeftButton);
        fixture->type("z");
        QCOMPARE(fixture->edit(3).text(), QStringLiteral("z"));
        QTest::mouseClick(&fixture->button(11), Qt::LeftButton);
        QVERIFY(fixture->edit(2).text().isEmpty());
        QVERIFY(fixture->edit(3).text().isEmpty());
    }

private:
    std::unique_ptr<WidgetFixture> fixture;
};

TOVIK_WIDGET_TEST_MAIN(TestEntryKeys)
#include "tst_entrykeys.moc"
