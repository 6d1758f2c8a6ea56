#include "FileHelpers.h"
#include "persist/HistoryExport.h"
#include "rtl/Exceptions.h"
#include "rtl/TextFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QByteArray Example1 = "1234567890128\r\n";
const QByteArray Example2 = "4901234567894\r\n";
const QByteArray Example3 = "4901234000070\r\n";

// The window as the export sees it: a scripted answer and a scripted file choice.
struct ScriptedWindow : persist::HistoryExportWindow {
    bool answer = false;
    std::optional<AnsiString> choice;
    QStringList asked;
    int choices = 0;

    bool AskYesNo(const AnsiString& question) override
    {
        asked << QString::fromStdString(AnsiToUtf8(question));
        return answer;
    }
    std::optional<AnsiString> ChooseHistoryFile() override
    {
        ++choices;
        return choice;
    }
};

} // namespace

// The history text file written at close, and its failures.
class TestHistoryFile : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        path = dir->filePath("codes.txt");
    }

    void fileHoldsTheHistoryAndOneMoreLineBreak_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<QByteArray>("history");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("nothing computed") << QByteArray() << QByteArray() << QByteArray("\r\n");
        QTest::newRow("two codes: 32 bytes")
            << QByteArray() << Example1 + Example2 << Example1 + Example2 + "\r\n";
        QTest::newRow("three worked examples: 47 bytes")
            << QByteArray() << Example1 + Example2 + Example3 << Example1 + Example2 + Example3 + "\r\n";
        QTest::newRow("a code computed twice stands twice")
            << QByteArray() << Example3 + Example3 << Example3 + Example3 + "\r\n";
        QTest::newRow("a longer existing file is cut")
            << QByteArray(100, 'x') << Example1 << Example1 + "\r\n";
        QTest::newRow("a long run, written out in pieces")
            << QByteArray() << Example2.repeated(1000) << Example2.repeated(1000) + "\r\n";
    }
    void fileHoldsTheHistoryAndOneMoreLineBreak()
    {
        QFETCH(QByteArray, existing);
        QFETCH(QByteArray, history);
        QFETCH(QByteArray, expected);
        if (!existing.isNull())
            writeAll(path, existing);
        persist::WriteHistoryFile(ansi(path), history.toStdString());
        QCOMPARE(readAll(path), expected);
    }

    void failuresRaiseInOutError_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing folder") << "" << "missing/codes.txt" << 3 << "不正なファイル名です";
        QTest::newRow("a file named as folder")
            << "file" << "codes.txt/more.txt" << 3 << "不正なファイル名です";
        QTest::newRow("no name") << "" << "" << 2 << "ファイルが見つかりません";
        QTest::newRow("a folder") << "folder" << "codes.txt" << 21 << "I/O エラー (21)";
        QTest::newRow("full disk") << "/dev/full" << "codes.txt" << 28 << "I/O エラー (28)";
        QTest::newRow("pipe nobody reads") << "fifo" << "codes.txt" << 6 << "I/O エラー (6)";
    }
    void failuresRaiseInOutError()
    {
        QFETCH(QString, setUp);
        QFETCH(QString, chosen);
        QFETCH(int, code);
        QFETCH(QString, message);
        if (setUp == "file")
            writeAll(path, "old");
        else if (setUp == "folder")
            QVERIFY(QDir().mkdir(path));
        else if (setUp == "fifo")
            QCOMPARE(mkfifo(path.toLocal8Bit().constData(), 0600), 0);
        else if (!setUp.isEmpty())
            QVERIFY(QFile::link(setUp, path));

        const QString target = chosen.isEmpty() ? QString() : dir->filePath(chosen);
        try {
            persist::WriteHistoryFile(ansi(target), (Example1 + Example2).toStdString());
            QFAIL("no error raised");
        } catch (const EInOutError& e) {
            QCOMPARE(e.ErrorCode(), code);
            QCOMPARE(QString::fromStdString(AnsiToUtf8(e.Message())), message);
        }
        if (setUp == "file")
            QCOMPARE(readAll(path), QByteArray("old"));
        if (chosen.contains('/'))
            QCOMPARE(readAll(target), QByteArray("<missing>"));
    }

    // Mode bits do not stop root, so these run as user nobody.
    void refusedAccess_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::newRow("read-only file") << "read-only file";
        QTest::newRow("folder without write permission") << "locked folder";
    }
    void refusedAccess()
    {
        QFETCH(QString, setUp);
        QFile::setPermissions(dir->path(), QFile::Permissions(0x7777));
        if (setUp == "read-only file") {
            writeAll(path, "kept");
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        } else {
            QFile::setPermissions(dir->path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                                   QFile::ExeOther);
        }
        const QString error = asUnprivilegedUser(
            [&] { persist::WriteHistoryFile(ansi(path), Example1.toStdString()); });
        QFile::setPermissions(dir->path(), QFile::Permissions(0x7777));
        QCOMPARE(error, QStringLiteral("ファイルへのアクセスが拒否されました"));
        QCOMPARE(readAll(path), setUp == "read-only file" ? QByteArray("kept") : QByteArray("<missing>"));
    }

    void tooManyOpenFiles()
    {
        const QString error = asUnprivilegedUser(
            [&] { persist::WriteHistoryFile(ansi(path), Example1.toStdString()); },
            [] {
                const rlimit none{0, 0};
                setrlimit(RLIMIT_NOFILE, &none);
            });
        QCOMPARE(error, QStringLiteral("オープンしたファイルが多すぎます"));
    }

    void systemErrorsKeepTheirOwnNumber()
    {
        // EIO is 5 on this system, the platform's code for access denied: the message
        // still tells an I/O error.
        try {
            RaiseInOutError(EIO, ansi(path));
        } catch (const EInOutError& e) {
            QCOMPARE(QString::fromStdString(AnsiToUtf8(e.Message())), QStringLiteral("I/O エラー (5)"));
        }
    }

    void onlyYesAndAChosenFileWrite_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("chooses");
        QTest::addColumn<int>("choices");
        QTest::addColumn<QByteArray>("fileAfter");
        QTest::newRow("No") << false << true << 0 << QByteArray("<missing>");
        QTest::newRow("Yes, then the dialog cancelled") << true << false << 1 << QByteArray("<missing>");
        QTest::newRow("Yes and a file") << true << true << 1 << Example1 + "\r\n";
    }
    void onlyYesAndAChosenFileWrite()
    {
        QFETCH(bool, answer);
        QFETCH(bool, chooses);
        QFETCH(int, choices);
        QFETCH(QByteArray, fileAfter);
        ScriptedWindow window;
        window.answer = answer;
        if (chooses)
            window.choice = ansi(path);
        persist::OfferHistoryExport(window, Example1.toStdString());
        QCOMPARE(window.asked, QStringList{QStringLiteral("今回の履歴を保存しますか？")});
        QCOMPARE(window.choices, choices);
        QCOMPARE(readAll(path), fileAfter);
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString path;
};

QTEST_GUILESS_MAIN(TestHistoryFile)
#include "tst_historyfile.moc"
