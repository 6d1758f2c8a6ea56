#include "FileHelpers.h"
#include "WidgetFixture.h"

#include "Unit1.h"

#include <QApplication>
#include <QFile>

namespace {

QByteArray settingsFile(const WidgetFixture& fixture)
{
    return readAll(fixture.executableDir() + "/Tovik.ini");
}

} // namespace

// The settings file beside the executable, read when the window is made and written when
// it closes.
class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        const QStringList problems = fixture ? fixture->boxes.problems : QStringList();
        fixture.reset();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void firstStartAndClose()
    {
        fixture = std::make_unique<WidgetFixture>();
        QCOMPARE(fixture->window().pos(), QPoint(198, 127));
        QVERIFY(fixture->edit(1).text().isEmpty());
        QCOMPARE(fixture->focus(), &fixture->edit(1));
        fixture->type("1234567");
        fixture->boxes.expectKey(Qt::Key_N);
        QVERIFY(fixture->window().close());
        QVERIFY(Application->Terminated());
        QCOMPARE(settingsFile(*fixture), QByteArray("[tovik]\r\nTop=127\r\nLeft=198\r\nEdit1=1234567\r\n\r\n"));
    }

    void restoredMakerCodeChoosesTheField_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("focusedEdit");
        QTest::newRow("7 digits") << QByteArray("4901234") << 2;
        QTest::newRow("7 characters with letters") << QByteArray("49O1234") << 2;
        QTest::newRow("6 digits") << QByteArray("490123") << 1;
        QTest::newRow("8 digits, shown whole") << QByteArray("49012345") << 1;
        QTest::newRow("empty") << QByteArray("") << 1;
    }
    void restoredMakerCodeChoosesTheField()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, focusedEdit);
        fixture = std::make_unique<WidgetFixture>("[tovik]\r\nTop=300\r\nLeft=-40\r\nEdit1=" + stored + "\r\n");
        QCOMPARE(fixture->window().pos(), QPoint(-40, 300));
        QCOMPARE(fixture->edit(1).text(), QString::fromLatin1(stored));
        QCOMPARE(fixture->focus(), &fixture->edit(focusedEdit));
    }

    void unreadableValuesFallBackSilently()
    {
        fixture = std::make_unique<WidgetFixture>("[tovik]\r\nTop=12C\r\nLeft=\r\n");
        QCOMPARE(fixture->window().pos(), QPoint(198, 127));
        QVERIFY(fixture->boxes.seen.isEmpty());
    }

    void failingCloseKeepsTheWindowOpen()
    {
        fixture = std::make_unique<WidgetFixture>();
        // A folder where the file should be: no one, root included, may write it.
        QVERIFY(QDir(fixture->executableDir()).mkdir("Tovik.ini"));
        const QString expected = applicationTitle() + "|ファイル " + fixture->executableDir() +
                                 "/Tovik.ini を作成できません.";
        for (int attempt = 1; attempt <= 2; ++attempt) {
            fixture->boxes.expectKey(Qt::Key_Return);
            QVERIFY(!fixture->window().close());
            QVERIFY(fixture->settle());
            QCOMPARE(fixture->boxes.seen.size(), attempt);
            QCOMPARE(fixture->boxes.seen.last(), expected);
            QVERIFY(fixture->window().isVisible());
            QVERIFY(!Application->Terminated());
        }
        // The window still works.
        fixture->type("1");
        QCOMPARE(fixture->edit(1).text(), QStringLiteral("1"));
    }

private:
    std::unique_ptr<WidgetFixture> fixture;
};

TOVIK_WIDGET_TEST_MAIN(TestSettings)
#include "tst_settings.moc"
