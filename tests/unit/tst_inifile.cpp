#include "FileHelpers.h"
#include "persist/IniFile.h"
#include "persist/WindowSettings.h"
#include "rtl/Cp932.h"
#include "rtl/Exceptions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The close-time write: Top, Left and the maker code of the closing window.
void save(const QString& path, int top, int left, const AnsiString& makerCode)
{
    TMemIniFile ini(ansi(path));
    ini.WriteInteger("tovik", "Top", top);
    ini.WriteInteger("tovik", "Left", left);
    ini.WriteString("tovik", "Edit1", makerCode);
    ini.UpdateFile();
}

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        // Open to the unprivileged user of the permission cases.
        QFile::setPermissions(dir->path(), QFile::Permissions(0x7777));
        path = dir->filePath("Tovik.ini");
    }

    void integerValues_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("read");
        const int fallback = 127;
        for (const char* v : {"300", "+300", "0300", "0x12C", "0X12C", "$12C", "x12C", "X12c"})
            QTest::newRow(v) << QByteArray(v) << 300;
        QTest::newRow("-40") << QByteArray("-40") << -40;
        QTest::newRow("$FFFFFFFF") << QByteArray("$FFFFFFFF") << -1;
        QTest::newRow("0xFFFFFFFF") << QByteArray("0xFFFFFFFF") << -1;
        for (const char* v : {"", "12C", "300px", "3 00", "1e3", "-0x10", "0x", "2147483648",
                              "300;", "'300'"})
            QTest::newRow(*v ? v : "empty") << QByteArray(v) << fallback;
    }
    void integerValues()
    {
        QFETCH(QByteArray, value);
        QFETCH(int, read);
        writeAll(path, "[tovik]\r\nTop=" + value + "\r\n");
        QCOMPARE(TMemIniFile(ansi(path)).ReadInteger("tovik", "Top", 127), read);
    }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("ident");
        QTest::addColumn<QByteArray>("read");
        QTest::newRow("blanks around name, = and value") << QByteArray("[tovik]\n \tTop = -40 \t\n") << QByteArray("tovik") << QByteArray("Top") << QByteArray("-40");
        QTest::newRow("capitals") << QByteArray("[TOVIK]\r\nEDIT1=1234567\r\n") << QByteArray("tovik") << QByteArray("Edit1") << QByteArray("1234567");
        QTest::newRow("semicolon inside a value") << QByteArray("[tovik]\r\nEdit1=12;34\r\n") << QByteArray("tovik") << QByteArray("Edit1") << QByteArray("12;34");
        QTest::newRow("quotes are part of the value") << QByteArray("[tovik]\r\nEdit1=\"1\"\r\n") << QByteArray("tovik") << QByteArray("Edit1") << QByteArray("\"1\"");
        QTest::newRow("first = splits") << QByteArray("[tovik]\r\nEdit1=a=b\r\n") << QByteArray("tovik") << QByteArray("Edit1") << QByteArray("a=b");
        QTest::newRow("empty value is no default") << QByteArray("[tovik]\r\nEdit1=\r\n") << QByteArray("tovik") << QByteArray("Edit1") << QByteArray();
        QTest::newRow("comment line ignored") << QByteArray("[tovik]\r\n;Edit1=1\r\n") << QByteArray("tovik") << QByteArray("Edit1") << QByteArray("<default>");
        QTest::newRow("lines before first section skipped") << QByteArray("Edit1=1\r\n[tovik]\r\n") << QByteArray("tovik") << QByteArray("Edit1") << QByteArray("<default>");
        QTest::newRow("lone CR ends a line") << QByteArray("[tovik]\rTop=1\rEdit1=2\r") << QByteArray("tovik") << QByteArray("Edit1") << QByteArray("2");
        QTest::newRow("last duplicate section wins") << QByteArray("[tovik]\r\nEdit1=1\r\n[other]\r\n[Tovik]\r\nEdit1=2\r\n") << QByteArray("tovik") << QByteArray("Edit1") << QByteArray("2");
        QTest::newRow("last duplicate entry wins") << QByteArray("[tovik]\r\nEdit1=1\r\nedit1=2\r\n") << QByteArray("tovik") << QByteArray("Edit1") << QByteArray("2");
        QTest::newRow("line without = is no entry") << QByteArray("[tovik]\r\nTop\r\n") << QByteArray("tovik") << QByteArray("Top") << QByteArray("<default>");
        QTest::newRow("Shift-JIS value") << QByteArray("[tovik]\r\nEdit1=\x90\x94\x8E\x9A\r\n") << QByteArray("tovik") << QByteArray("Edit1") << QByteArray("\x90\x94\x8E\x9A");
    }
    void reading()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, ident);
        QFETCH(QByteArray, read);
        writeAll(path, file);
        const TMemIniFile ini(ansi(path));
        QCOMPARE(QByteArray::fromStdString(ini.ReadString(section.toStdString(), ident.toStdString(), "<default>")), read);
    }

    void closeRewrites_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("no file: the five-line example")
            << QByteArray() << QByteArray("[tovik]\r\nTop=127\r\nLeft=198\r\nEdit1=1234567\r\n\r\n");
        QTest::newRow("other sections kept in order, blanks and comments dropped")
            << QByteArray("; mine\n[a]\nx = 1\n\n[tovik]\nLeft=5\n[b]\ny=2")
            << QByteArray("[a]\r\nx=1\r\n\r\n[tovik]\r\nLeft=198\r\nTop=127\r\nEdit1=1234567\r\n\r\n[b]\r\ny=2\r\n\r\n");
        QTest::newRow("missing section appended after the last")
            << QByteArray("[a]\r\nx=1\r\n")
            << QByteArray("[a]\r\nx=1\r\n\r\n[tovik]\r\nTop=127\r\nLeft=198\r\nEdit1=1234567\r\n\r\n");
        QTest::newRow("capitals: header kept, entries renamed")
            << QByteArray("[TOVIK]\r\nTOP=1\r\nleft=2\r\nEDIT1=3\r\n")
            << QByteArray("[TOVIK]\r\nTop=127\r\nLeft=198\r\nEdit1=1234567\r\n\r\n");
        QTest::newRow("duplicates: the last is replaced, the first kept")
            << QByteArray("[tovik]\r\nTop=1\r\n[tovik]\r\nTop=2\r\nTop=3\r\n")
            << QByteArray("[tovik]\r\nTop=1\r\n\r\n[tovik]\r\nTop=2\r\nTop=127\r\nLeft=198\r\nEdit1=1234567\r\n\r\n");
        QTest::newRow("a line Top without = stays, a new entry follows")
            << QByteArray("[tovik]\r\nTop\r\n")
            << QByteArray("[tovik]\r\nTop\r\nTop=127\r\nLeft=198\r\nEdit1=1234567\r\n\r\n");
        QTest::newRow("Shift-JIS bytes of other entries survive")
            << QByteArray("[x]\r\nname=\x90\x94\x8E\x9A\r\n")
            << QByteArray("[x]\r\nname=\x90\x94\x8E\x9A\r\n\r\n[tovik]\r\nTop=127\r\nLeft=198\r\nEdit1=1234567\r\n\r\n");
    }
    void closeRewrites()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        if (!before.isNull())
            writeAll(path, before);
        save(path, 127, 198, "1234567");
        QCOMPARE(readAll(path), after);
    }

    void startAndCloseRoundTrip()
    {
        writeAll(path, "[tovik]\r\nTop=-40\r\nLeft=3000\r\nEdit1= 12345678 \r\n");
        struct Window : persist::SettingsWindow {
            int top = 127, left = 198;
            AnsiString makerCode;
            bool itemCode = false;
            int Top() const override { return top; }
            int Left() const override { return left; }
            void SetTop(int t) override { top = t; }
            void SetLeft(int l) override { left = l; }
            AnsiString MakerCode() const override { return makerCode; }
            void SetMakerCode(const AnsiString& t) override { makerCode = t; }
            void StartInItemCode() override { itemCode = true; }
        } window;
        std::unique_ptr<TMemIniFile> iniFile;
        persist::RestoreWindow(window, iniFile, ansi(path));
        QVERIFY(!iniFile);
        QCOMPARE(window.top, -40);
        QCOMPARE(window.left, 3000);
        QCOMPARE(window.makerCode, AnsiString("12345678"));
        QVERIFY(!window.itemCode);

        persist::SaveWindow(window, iniFile, ansi(path));
        QVERIFY(!iniFile);
        QCOMPARE(readAll(path), QByteArray("[tovik]\r\nTop=-40\r\nLeft=3000\r\nEdit1=12345678\r\n\r\n"));
    }

    void failures_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<bool>("atStart");
        QTest::addColumn<QString>("message");
        QTest::newRow("unreadable file at start") << "unreadable" << true << "ファイル %s は開けません";
        QTest::newRow("unreadable file at close") << "unreadable" << false << "ファイル %s は開けません";
        QTest::newRow("read-only file") << "read-only" << false << "ファイル %s を作成できません";
        QTest::newRow("folder without write access") << "locked folder" << false << "ファイル %s を作成できません";
    }
    void failures()
    {
        QFETCH(QString, setUp);
        QFETCH(bool, atStart);
        QFETCH(QString, message);
        const QByteArray original("[tovik]\r\nTop=5\r\n");
        if (setUp != "locked folder") {
            writeAll(path, original);
            QVERIFY(chown(path.toLocal8Bit(), 65534, 65534) == 0 || geteuid() != 0);
            QFile::setPermissions(path, setUp == "unreadable" ? QFile::WriteOwner : QFile::ReadOwner);
        } else {
            QVERIFY(chown(dir->path().toLocal8Bit(), 65534, 65534) == 0 || geteuid() != 0);
            QFile::setPermissions(dir->path(), QFile::ReadOwner | QFile::ExeOwner);
        }
        const QString error = asUnprivilegedUser([&] {
            if (atStart)
                TMemIniFile ini(ansi(path));
            else
                save(path, 1, 2, "3");
        });
        QFile::setPermissions(dir->path(), QFile::Permissions(0x7777));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(error, QString(message).replace("%s", path));
        QCOMPARE(readAll(path), setUp == "locked folder" ? QByteArray("<missing>") : original);
        QCOMPARE(QDir(dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
                 setUp == "locked folder" ? 0 : 1);
    }

    void folderInPlaceOfTheFile()
    {
        QVERIFY(QDir().mkdir(path));
        QCOMPARE(TMemIniFile(ansi(path)).ReadInteger("tovik", "Top", 127), 127);
        try {
            save(path, 1, 2, "3");
            QFAIL("no EFCreateError");
        } catch (const EFCreateError& e) {
            QCOMPARE(QString::fromStdString(AnsiToUtf8(e.Message())), "ファイル " + path + " を作成できません");
        }
    }

    void fullDiskIsAWriteError()
    {
        QVERIFY(QFile::link("/dev/full", path));
        try {
            save(path, 1, 2, "3");
            QFAIL("no EWriteError");
        } catch (const EWriteError& e) {
            QCOMPARE(QString::fromStdString(AnsiToUtf8(e.Message())), QStringLiteral("ストリームへの書き込みエラー"));
        }
    }

    // A write that stops part way (here: past the process's file size limit) leaves the
    // old file whole and no temporary file behind.
    void failedWriteLeavesTheOldFileWhole()
    {
        const QByteArray original = "[mine]\r\nkeep=" + QByteArray(50, 'k') + "\r\n";
        writeAll(path, original);
        QVERIFY(chown(path.toLocal8Bit(), 65534, 65534) == 0 || geteuid() != 0);
        const QString error = asUnprivilegedUser([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{100, RLIM_INFINITY};
            setrlimit(RLIMIT_FSIZE, &limit);
            save(path, 1, 2, std::string(200, '7'));
        });
        QCOMPARE(error, QStringLiteral("ストリームへの書き込みエラー"));
        QCOMPARE(readAll(path), original);
        QCOMPARE(QDir(dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"Tovik.ini"});
    }

    void permissionBitsAndSymbolicLinksAreKept()
    {
        const QString target = dir->filePath("real.ini");
        writeAll(target, "[tovik]\r\n");
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QVERIFY(QFile::link(target, path));
        save(path, 1, 2, "3");
        QVERIFY(QFileInfo(path).isSymLink());
        QCOMPARE(readAll(target), QByteArray("[tovik]\r\nTop=1\r\nLeft=2\r\nEdit1=3\r\n\r\n"));
        struct stat info {};
        QCOMPARE(::stat(target.toLocal8Bit(), &info), 0);
        QCOMPARE(info.st_mode & 0777, mode_t(0640));
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString path;
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
