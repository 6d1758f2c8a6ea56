#include "WidgetFixture.h"

#include "Unit1.h"
#include "rtl/Cp932.h"
#include "vcl/Dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

namespace {

const QString IncompleteCode = QStringLiteral("コードを全部入力してください");

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { fixture = std::make_unique<WidgetFixture>(); }
    void cleanup()
    {
        const QStringList problems = fixture->boxes.problems;
        fixture.reset();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void windowFrame()
    {
        QWidget& w = fixture->window();
        QCOMPARE(w.windowTitle(), QStringLiteral("Tovik１型"));
        QCOMPARE(w.size(), QSize(182, 191));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        const Qt::WindowFlags flags = w.windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(w.pos(), QPoint(198, 127));
        QVERIFY(w.font().families().startsWith(QStringLiteral("ＭＳ Ｐゴシック")));
        QCOMPARE(w.font().pixelSize(), 12);
        QCOMPARE(fixture->edit(3).font().pixelSize(), 96);
        const QImage icon(QStringLiteral(":/MAINICON.xpm"));
        QCOMPARE(icon.size(), QSize(32, 32));
        QVERIFY(!QApplication::windowIcon().pixmap(32, 32).isNull());
    }

    void controlGeometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Edit1") << "Edit1" << QRect(24, 24, 49, 20) << QString();
        QTest::newRow("Edit2") << "Edit2" << QRect(24, 64, 37, 20) << QString();
        QTest::newRow("Edit3") << "Edit3" << QRect(108, 8, 57, 105) << QString();
        const char* captions[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"};
        const QPoint places[] = {{16, 136}, {40, 136}, {64, 136}, {16, 112}, {40, 112},
                                 {64, 112}, {16, 88},  {40, 88},  {64, 88},  {16, 160}};
        for (int i = 0; i < 10; ++i)
            QTest::addRow("SpeedButton%d", i + 1)
                << QStringLiteral("SpeedButton%1").arg(i + 1)
                << QRect(places[i], QSize(i == 9 ? 49 : 23, 22)) << QString::fromLatin1(captions[i]);
        QTest::newRow("SpeedButton11") << "SpeedButton11" << QRect(112, 136, 49, 45) << QStringLiteral("計算");
    }
    void controlGeometry()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        auto* control = fixture->window().findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), geometry);
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            QCOMPARE(button->text(), caption);
            QCOMPARE(button->accessibleName(), caption);
            QCOMPARE(button->focusPolicy(), Qt::NoFocus);
        }
    }

    void labels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("field");
        QTest::newRow("Label1") << "Label1" << QPoint(8, 8) << QStringLiteral("国・メーカーコード") << "Edit1";
        QTest::newRow("Label2") << "Label2" << QPoint(8, 48) << QStringLiteral("商品コード") << "Edit2";
        QTest::newRow("Label3") << "Label3" << QPoint(96, 120) << QStringLiteral("チェックデジット") << "Edit3";
    }
    void labels()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, place);
        QFETCH(QString, caption);
        QFETCH(QString, field);
        auto* label = fixture->window().findChild<QLabel*>(name);
        QVERIFY(label);
        QCOMPARE(label->pos(), place);
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->size(), label->sizeHint());
        QCOMPARE(fixture->window().findChild<QWidget*>(field)->accessibleName(), caption);
    }

    void startsEmptyWithFocusInMakerCode()
    {
        for (int i = 1; i <= 3; ++i)
            QVERIFY(fixture->edit(i).text().isEmpty());
        QCOMPARE(fixture->focus(), &fixture->edit(1));
    }

    void tabMovesBetweenTheTwoCodeFields()
    {
        fixture->key(Qt::Key_Tab);
        QCOMPARE(fixture->focus(), &fixture->edit(2));
        fixture->key(Qt::Key_Tab);
        QCOMPARE(fixture->focus(), &fixture->edit(1));
        fixture->key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(fixture->focus(), &fixture->edit(2));

        QTest::mouseClick(&fixture->edit(3), Qt::LeftButton);
        QCOMPARE(fixture->focus(), &fixture->edit(3));
        fixture->key(Qt::Key_Tab);
        QCOMPARE(fixture->focus(), &fixture->edit(1));
        QTest::mouseClick(&fixture->edit(3), Qt::LeftButton);
        fixture->key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(fixture->focus(), &fixture->edit(2));
    }

    void enteringByTabSelectsNothing()
    {
        Form1->Edit2->SetText("89012");
        fixture->key(Qt::Key_Tab);
        QCOMPARE(fixture->focus(), &fixture->edit(2));
        QVERIFY(!fixture->edit(2).hasSelectedText());
    }

    void programTextIsNeverCut()
    {
        Form1->Edit1->SetText("123456789");
        QCOMPARE(fixture->edit(1).text(), QStringLiteral("123456789"));
        QCOMPARE(Form1->Edit1->Text(), AnsiString("123456789"));
    }

    void calculateThreeTimes()
    {
        fixture->type(QStringLiteral("1234567"));
        fixture->key(Qt::Key_Tab);
        fixture->type(QStringLiteral("89012"));
        QCOMPARE(fixture->focus(), &fixture->edit(2));

        QTest::mouseClick(&fixture->button(11), Qt::LeftButton);
        QCOMPARE(fixture->edit(3).text(), QStringLiteral("8"));
        QCOMPARE(fixture->focus(), &fixture->edit(2));

        QTest::mouseClick(&fixture->button(11), Qt::LeftButton);
        QCOMPARE(fixture->edit(1).text(), QStringLiteral("1234567"));
        QVERIFY(fixture->edit(2).text().isEmpty());
        QVERIFY(fixture->edit(3).text().isEmpty());

        fixture->boxes.expectKey(Qt::Key_Return);
        QTest::mouseClick(&fixture->button(11), Qt::LeftButton);
        QVERIFY(fixture->settle());
        QCOMPARE(fixture->boxes.seen, QStringList{applicationTitle() + "|" + IncompleteCode});
        QCOMPARE(fixture->focus(), &fixture->edit(2));
    }

    void checkDigitZeroShownAsZero()
    {
        Form1->Edit1->SetText("4901234");
        Form1->Edit2->SetText("00007");
        QTest::mouseClick(&fixture->button(11), Qt::LeftButton);
        QCOMPARE(fixture->edit(3).text(), QStringLiteral("0"));
    }

    void messageBoxCloses_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
        QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier);
        QTest::newRow("close box") << -1 << 0;
    }
    void messageBoxCloses()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QString caption, okText;
        bool modal = false, okIsDefault = false, okHasFocus = false, closedByAnswer = false;
        QRect frame;
        fixture->boxes.expect([&](QDialog& box) {
            caption = box.windowTitle();
            modal = box.isModal();
            auto* ok = box.findChild<QPushButton*>();
            okText = ok->text();
            okIsDefault = ok->isDefault();
            okHasFocus = box.focusWidget() == ok;
            frame = box.frameGeometry();
            if (key < 0)
                box.close();
            else
                QTest::keyClick(box.focusWidget(), static_cast<Qt::Key>(key),
                                Qt::KeyboardModifiers(modifiers));
            closedByAnswer = !box.isVisible();
        });
        QTest::mouseClick(&fixture->button(11), Qt::LeftButton);
        QVERIFY(fixture->settle());
        QVERIFY(closedByAnswer);
        QCOMPARE(caption, applicationTitle());
        QVERIFY(modal);
        QCOMPARE(okText, QStringLiteral("OK"));
        QVERIFY(okIsDefault);
        QVERIFY(okHasFocus);
        const QPoint offCentre = frame.center() - QGuiApplication::primaryScreen()->geometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 4, qPrintable(QString::number(offCentre.manhattanLength())));
    }

    void messageBoxCopiesItselfWithCtrlC()
    {
        QString copied;
        fixture->boxes.expect([&](QDialog& box) {
            QTest::keyClick(box.focusWidget(), Qt::Key_C, Qt::ControlModifier);
            copied = QGuiApplication::clipboard()->text();
            QVERIFY(box.isVisible());
            box.reject();
        });
        QTest::mouseClick(&fixture->button(11), Qt::LeftButton);
        QVERIFY(fixture->settle());
        const QString rule = QString(27, QLatin1Char('-')) + "\r\n";
        QCOMPARE(copied, rule + applicationTitle() + "\r\n" + rule + IncompleteCode + "\r\n" + rule +
                             "OK   \r\n" + rule);
    }

    void messageWrapsAtHalfTheScreen()
    {
        const QString longText = QString(400, QChar(0x6570));
        fixture->boxes.expect([&](QDialog& box) {
            const QRect screen = QGuiApplication::primaryScreen()->geometry();
            QVERIFY(box.width() <= screen.width() / 2 + 40);
            QVERIFY(box.findChild<QLabel*>("message")->height() > 3 * box.fontMetrics().height());
            box.reject();
        });
        ShowMessage(Utf8ToAnsi(longText.toStdString()));
        QVERIFY(fixture->settle());
    }

    void conversionErrorIsReportedWithFullStop()
    {
        Form1->Edit1->SetText("1234567");
        Form1->Edit2->SetText("12 45");
        fixture->boxes.expectKey(Qt::Key_Return);
        QTest::mouseClick(&fixture->button(11), Qt::LeftButton);
        QVERIFY(fixture->settle());
        QCOMPARE(fixture->boxes.seen, QStringList{applicationTitle() + "|' ' は整数ではありません."});
        QVERIFY(fixture->edit(3).text().isEmpty());
        // The handler ended, the window goes on: the next item still calculates.
        Form1->Edit2->SetText("89012");
        QTest::mouseClick(&fixture->button(11), Qt::LeftButton);
        QCOMPARE(fixture->edit(3).text(), QStringLiteral("8"));
    }

    void buttonsNeverTakeTheFocus()
    {
        fixture->key(Qt::Key_Tab);
        QCOMPARE(fixture->focus(), &fixture->edit(2));
        QTest::mouseClick(&fixture->button(1), Qt::LeftButton);
        QCOMPARE(fixture->focus(), &fixture->edit(2));
        QCOMPARE(fixture->edit(1).text(), QStringLiteral("1"));
        fixture->boxes.expectKey(Qt::Key_Return);
        QTest::mouseClick(&fixture->button(11), Qt::LeftButton);
        QVERIFY(fixture->settle());
        QCOMPARE(fixture->focus(), &fixture->edit(2));
    }

private:
    std::unique_ptr<WidgetFixture> fixture;
};

TOVIK_WIDGET_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
