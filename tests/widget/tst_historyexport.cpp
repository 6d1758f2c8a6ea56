#include "FileHelpers.h"
#include "WidgetFixture.h"

#include "Unit1.h"
#include "rtl/Cp932.h"
#include "vcl/Dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QScreen>

namespace {

const QString Question = QStringLiteral("今回の履歴を保存しますか？");
const QString QuestionBox = QStringLiteral("情報|") + Question;
const QString SaveAs = QStringLiteral("名前を付けて保存");
const QString SaveDialogBox = SaveAs + QLatin1Char('|');
const QByteArray Example1 = "1234567890128\r\n";
const QByteArray Example2 = "4901234567894\r\n";
const QByteArray Example3 = "4901234000070\r\n";

// What the save dialog showed when it opened.
struct SaveDialogState {
    QString title;
    QString startsWith;
    QString folder;
    QStringList filters;
    QString selectedFilter;
    QString defaultSuffix;
    bool native = true;
    bool confirmsOverwrite = true;
    bool resizable = false;
    QRect frame;
};

} // namespace

// Saving the run history when the window closes: the question, the save dialog, the file.
class TestHistoryExport : public QObject {
    Q_OBJECT

private slots:
    void init() { fixture = std::make_unique<WidgetFixture>(); }
    void cleanup()
    {
        const QStringList problems = fixture->boxes.problems;
        fixture.reset();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void questionBoxResults_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter") << QKeySequence(Qt::Key_Return) << mrYes;
        QTest::newRow("y") << QKeySequence(Qt::Key_Y) << mrYes;
        QTest::newRow("Shift+Y") << QKeySequence(Qt::SHIFT | Qt::Key_Y) << mrYes;
        QTest::newRow("Alt+Y") << QKeySequence(Qt::ALT | Qt::Key_Y) << mrYes;
        QTest::newRow("Space") << QKeySequence(Qt::Key_Space) << mrYes;
        QTest::newRow("Esc") << QKeySequence(Qt::Key_Escape) << mrNo;
        QTest::newRow("n") << QKeySequence(Qt::Key_N) << mrNo;
        QTest::newRow("Shift+N") << QKeySequence(Qt::SHIFT | Qt::Key_N) << mrNo;
        QTest::newRow("Alt+N") << QKeySequence(Qt::ALT | Qt::Key_N) << mrNo;
        QTest::newRow("Tab, Enter") << QKeySequence(Qt::Key_Tab, Qt::Key_Return) << mrNo;
        QTest::newRow("Tab, Space") << QKeySequence(Qt::Key_Tab, Qt::Key_Space) << mrNo;
        QTest::newRow("Tab, Tab, Enter") << QKeySequence(Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return) << mrYes;
        QTest::newRow("close box") << QKeySequence() << mrCancel;
    }
    void questionBoxResults()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(int, result);
        fixture->boxes.expect([&](QDialog& box) {
            if (keys.isEmpty()) {
                box.close();
                return;
            }
            for (int i = 0; i < keys.count(); ++i)
                QTest::keyClick(box.focusWidget(), keys[i].key(), keys[i].keyboardModifiers());
        });
        QCOMPARE(MessageDlg(Utf8ToAnsi(Question.toStdString()), mtInformation, mbYes | mbNo, 0), result);
        QCOMPARE(fixture->boxes.seen, QStringList{QuestionBox});
    }

    void questionBoxLayout()
    {
        QRect frame, icon, text, yes, no;
        QString yesCaption, noCaption;
        bool yesFocusedAndDefault = false, modal = false;
        int dluX = 0, width = 0;
        fixture->boxes.expect([&](QDialog& box) {
            modal = box.isModal();
            frame = box.frameGeometry();
            width = box.width();
            const auto buttons = box.findChildren<QPushButton*>();
            QCOMPARE(buttons.size(), 2);
            yes = buttons[0]->geometry();
            no = buttons[1]->geometry();
            yesCaption = buttons[0]->text();
            noCaption = buttons[1]->text();
            yesFocusedAndDefault = buttons[0]->hasFocus() && buttons[0]->isDefault();
            for (QLabel* label : box.findChildren<QLabel*>())
                (label->objectName() == QLatin1String("message") ? text : icon) = label->geometry();
            const QFontMetrics fm = box.fontMetrics();
            dluX = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) + 26;
            dluX /= 52;
            box.reject();
        });
        MessageDlg(Utf8ToAnsi(Question.toStdString()), mtInformation, mbYes | mbNo, 0);
        QVERIFY(modal);
        QCOMPARE(yesCaption, QStringLiteral("はい(&Y)"));
        QCOMPARE(noCaption, QStringLiteral("いいえ(&N)"));
        QVERIFY(yesFocusedAndDefault);
        auto dlu = [&](int units) { return (units * dluX + 2) / 4; };
        QCOMPARE(icon.size(), QSize(32, 32));
        QCOMPARE(icon.topLeft(), QPoint(dlu(8), text.top()));
        QCOMPARE(text.left(), icon.right() + 1 + dlu(10));
        QVERIFY(text.height() >= 32);
        QCOMPARE(yes.size(), no.size());
        QVERIFY(yes.width() >= dlu(50));
        QCOMPARE(no.left() - (yes.right() + 1), dlu(4));
        QVERIFY(yes.top() > text.bottom());
        // The pair is centred in the box, and the box on the screen.
        QVERIFY(qAbs(yes.left() - (width - 1 - no.right())) <= 1);
        const QPoint offCentre = frame.center() - QGuiApplication::primaryScreen()->geometry().center();
        QVERIFY(offCentre.manhattanLength() <= 4);
    }

    void questionBoxCopiesItselfWithCtrlC()
    {
        QString copied;
        fixture->boxes.expect([&](QDialog& box) {
            QTest::keyClick(box.focusWidget(), Qt::Key_C, Qt::ControlModifier);
            copied = QGuiApplication::clipboard()->text();
            QVERIFY(box.isVisible());
            box.reject();
        });
        MessageDlg(Utf8ToAnsi(Question.toStdString()), mtInformation, mbYes | mbNo, 0);
        const QString rule = QString(27, QLatin1Char('-')) + "\r\n";
        QCOMPARE(copied, rule + "情報\r\n" + rule + Question + "\r\n" + rule + "はい(Y)   いいえ(N)   \r\n" + rule);
    }

    // Nothing is saved unless the user says Yes and confirms a file; the program ends.
    void closingWithoutSaving_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("No") << "n" << QStringList{QuestionBox};
        QTest::newRow("Esc") << "Esc" << QStringList{QuestionBox};
        QTest::newRow("question's close box") << "close" << QStringList{QuestionBox};
        QTest::newRow("dialog cancelled") << "Yes, Esc" << QStringList{QuestionBox, SaveDialogBox};
        QTest::newRow("dialog's close box") << "Yes, close" << QStringList{QuestionBox, SaveDialogBox};
    }
    void closingWithoutSaving()
    {
        QFETCH(QString, way);
        QFETCH(QStringList, boxes);
        compute("1234567", "89012");
        if (way == "n")
            fixture->boxes.expectKey(Qt::Key_N);
        else if (way == "Esc")
            fixture->boxes.expectKey(Qt::Key_Escape);
        else if (way == "close")
            fixture->boxes.expect([](QDialog& box) { box.close(); });
        else
            fixture->boxes.expectKey(Qt::Key_Y);
        if (way == "Yes, Esc")
            fixture->boxes.expectKey(Qt::Key_Escape);
        else if (way == "Yes, close")
            fixture->boxes.expect([](QDialog& box) { box.close(); });

        QVERIFY(fixture->window().close());
        QVERIFY(Application->Terminated());
        QCOMPARE(fixture->boxes.seen, boxes);
        QCOMPARE(filesBesideTheProgram(), QStringList{"Tovik.ini"});
    }

    void savingWritesTheChosenFile_data()
    {
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("nothing computed") << QStringList() << QByteArray("\r\n");
        QTest::newRow("two codes") << QStringList{"1234567/89012", "4901234/56789"} << Example1 + Example2 + "\r\n";
        QTest::newRow("one code twice") << QStringList{"4901234/00007", "4901234/00007"}
                                        << Example3 + Example3 + "\r\n";
    }
    void savingWritesTheChosenFile()
    {
        QFETCH(QStringList, codes);
        QFETCH(QByteArray, expected);
        for (const QString& code : codes)
            compute(code.section('/', 0, 0), code.section('/', 1, 1));
        SaveDialogState dialog;
        fixture->boxes.expectKey(Qt::Key_Return);
        expectSaveDialog("codes", &dialog);

        QVERIFY(fixture->window().close());
        QVERIFY(Application->Terminated());
        // No message follows a save.
        QCOMPARE(fixture->boxes.seen, (QStringList{QuestionBox, SaveDialogBox}));
        QCOMPARE(readAll(fixture->executableDir() + "/codes.txt"), expected);

        QCOMPARE(dialog.title, SaveAs);
        QCOMPARE(dialog.startsWith, QString());
        QCOMPARE(dialog.folder, fixture->executableDir());
        QCOMPARE(dialog.filters, QStringList{"テキストファイル(*.txt)"});
        QCOMPARE(dialog.selectedFilter, QStringLiteral("テキストファイル(*.txt)"));
        QCOMPARE(dialog.defaultSuffix, QStringLiteral("txt"));
        QVERIFY(!dialog.native);
        QVERIFY(!dialog.confirmsOverwrite);
        QVERIFY(dialog.resizable);
        const QRect screen = fixture->window().screen()->availableGeometry();
        QVERIFY(qAbs(dialog.frame.center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(dialog.frame.top() - screen.top() - (screen.height() - dialog.frame.height()) / 3) <= 1);
    }

    void existingFileIsReplacedWithoutAQuestion()
    {
        const QString path = fixture->executableDir() + "/codes.txt";
        writeAll(path, QByteArray(100, 'x'));
        compute("4901234", "00007");
        fixture->boxes.expectKey(Qt::Key_Y);
        expectSaveDialog("codes.txt");
        QVERIFY(fixture->window().close());
        QCOMPARE(fixture->boxes.seen, (QStringList{QuestionBox, SaveDialogBox}));
        QCOMPARE(readAll(path), Example3 + "\r\n");
    }

    // A failed save keeps the window and the history; the next close starts over.
    void failedSaveKeepsTheWindowOpen_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("report");
        QTest::newRow("missing folder") << "" << "missing/codes" << "不正なファイル名です.";
        QTest::newRow("read-only file") << "read-only" << "codes" << "ファイルへのアクセスが拒否されました.";
        QTest::newRow("full disk") << "/dev/full" << "codes" << "I/O エラー (28)";
    }
    void failedSaveKeepsTheWindowOpen()
    {
        QFETCH(QString, setUp);
        QFETCH(QString, typed);
        QFETCH(QString, report);
        const QString dir = fixture->executableDir();
        const QString chosen = dir + "/" + typed + ".txt";
        if (setUp == "read-only") {
            writeAll(chosen, "kept");
            QVERIFY(QFile::setPermissions(chosen, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        } else if (!setUp.isEmpty()) {
            QVERIFY(QFile::link(setUp, chosen));
        }

        compute("1234567", "89012");
        fixture->boxes.expectKey(Qt::Key_Return);
        expectSaveDialog(typed);
        fixture->boxes.expectKey(Qt::Key_Return);
        QVERIFY(!fixture->window().close());
        QVERIFY(fixture->settle());
        QCOMPARE(fixture->boxes.seen,
                 (QStringList{QuestionBox, SaveDialogBox, applicationTitle() + "|" + report}));
        QVERIFY(fixture->window().isVisible());
        QVERIFY(!Application->Terminated());
        QTRY_COMPARE(QApplication::activeWindow(), &fixture->window());
        QCOMPARE(readAll(dir + "/Tovik.ini"),
                 QByteArray("[tovik]\r\nTop=127\r\nLeft=198\r\nEdit1=1234567\r\n\r\n"));
        if (setUp == "read-only")
            QCOMPARE(readAll(chosen), QByteArray("kept"));

        // Work goes on; the retry asks again, starts at the path chosen last, and saves
        // the whole history.
        compute("4901234", "00007");
        QVERIFY(QFile::remove(dir + "/Tovik.ini"));
        SaveDialogState retry;
        fixture->boxes.expectKey(Qt::Key_Return);
        expectSaveDialog("retry", &retry, dir);
        QVERIFY(fixture->window().close());
        QVERIFY(Application->Terminated());
        QCOMPARE(retry.startsWith, chosen);
        QCOMPARE(readAll(dir + "/retry.txt"), Example1 + Example3 + "\r\n");
        QCOMPARE(readAll(dir + "/Tovik.ini"),
                 QByteArray("[tovik]\r\nTop=127\r\nLeft=198\r\nEdit1=4901234\r\n\r\n"));
    }

    // A name the program's code page cannot hold would become the name of another file.
    void nameOutsideTheCodePageIsRefusedInTheDialog()
    {
        QString warning;
        bool stillOpen = false;
        fixture->boxes.expectKey(Qt::Key_Return);
        fixture->boxes.expect([&](QDialog& box) {
            auto* name = box.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            name->setText(QStringLiteral("café"));
            QTimer::singleShot(0, [&] {
                auto* message = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                warning = message ? message->findChild<QLabel*>("qt_msgbox_label")->text() : QString();
                if (message)
                    QTest::keyClick(message, Qt::Key_Return);
            });
            QTest::keyClick(name, Qt::Key_Return);
            stillOpen = box.isVisible();
            name->setText(QStringLiteral("cafe"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        QVERIFY(fixture->window().close());
        QVERIFY(stillOpen);
        QCOMPARE(warning, QStringLiteral("このファイル名は使えません。別の名前を指定してください。"));
        QCOMPARE(filesBesideTheProgram(), (QStringList{"Tovik.ini", "cafe.txt"}));
    }

private:
    // Computes one code through the Calculate button, clearing a shown check digit first.
    void compute(const QString& makerCode, const QString& itemCode)
    {
        if (!fixture->edit(3).text().isEmpty())
            QTest::mouseClick(&fixture->button(11), Qt::LeftButton);
        Form1->Edit1->SetText(makerCode.toStdString());
        Form1->Edit2->SetText(itemCode.toStdString());
        QTest::mouseClick(&fixture->button(11), Qt::LeftButton);
        QVERIFY(!fixture->edit(3).text().isEmpty());
    }

    // Answers the save dialog: goes to `folder` when one is given, types the name into the
    // name box and presses Enter. Only a name is typed, never a whole path: the name box
    // completes a path against folders it lists in the background, so typing one races.
    void expectSaveDialog(const QString& typed, SaveDialogState* state = nullptr,
                          const QString& folder = QString())
    {
        fixture->boxes.expect([typed, state, folder](QDialog& box) {
            auto* dialog = qobject_cast<QFileDialog*>(&box);
            QVERIFY(dialog);
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            if (state) {
                state->title = dialog->windowTitle();
                state->startsWith = name->text().isEmpty() ? QString() : dialog->selectedFiles().value(0);
                state->folder = dialog->directory().absolutePath();
                state->filters = dialog->nameFilters();
                state->selectedFilter = dialog->selectedNameFilter();
                state->defaultSuffix = dialog->defaultSuffix();
                state->native = !dialog->testOption(QFileDialog::DontUseNativeDialog);
                state->confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
                state->resizable = dialog->isSizeGripEnabled() && dialog->minimumSize() != dialog->maximumSize();
                state->frame = dialog->frameGeometry();
            }
            if (!folder.isEmpty())
                dialog->setDirectory(folder);
            name->clear();
            QTest::keyClicks(name, typed);
            QTest::keyClick(name, Qt::Key_Return);
        });
    }

    QStringList filesBesideTheProgram() const
    {
        QStringList files = QDir(fixture->executableDir()).entryList(QDir::Files | QDir::Hidden);
        files.removeAll(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
        files.sort();
        return files;
    }

    std::unique_ptr<WidgetFixture> fixture;
};

TOVIK_WIDGET_TEST_MAIN(TestHistoryExport)
#include "tst_historyexport.moc"
