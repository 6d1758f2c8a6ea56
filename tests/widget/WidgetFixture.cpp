#include "WidgetFixture.h"

#include "Unit1.h"

#include <QApplication>
#include <QFile>
#include <QProcess>

#include <grp.h>
#include <unistd.h>

namespace {

constexpr char CopyMarker[] = "TOVIK_WIDGET_TEST_COPY";
constexpr uid_t Nobody = 65534;

} // namespace

int runWidgetTests(int argc, char** argv, QObject& tests)
{
    if (!qEnvironmentVariableIsSet(CopyMarker)) {
        QTemporaryDir dir;
        QTemporaryDir home;
        const QString copy = dir.filePath(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
        if (!QFile::copy(QCoreApplication::applicationFilePath(), copy))
            qFatal("cannot copy the test binary to %s", qPrintable(copy));
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(CopyMarker), QStringLiteral("1"));
        // The toolkit keeps the file dialog's state in the home folder: a private one.
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
        // A desktop user is never root, and root ignores file permissions: as root, the
        // copy runs as user nobody, so that a read-only file is read-only.
        if (geteuid() == 0) {
            for (const QString& folder : {dir.path(), home.path()}) {
                if (chown(QFile::encodeName(folder).constData(), Nobody, Nobody) != 0)
                    qFatal("cannot hand %s to user nobody", qPrintable(folder));
            }
            child.setChildProcessModifier([] {
                if (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0)
                    _exit(126);
            });
        }
        child.setProcessEnvironment(env);
        // File dialogs open in the working folder: the test's own, not the build tree.
        child.setWorkingDirectory(dir.path());
        child.start(copy, QCoreApplication::arguments().mid(1));
        child.waitForFinished(-1);
        return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : 1;
    }
    return QTest::qExec(&tests, argc, argv);
}

WidgetFixture::WidgetFixture(const QByteArray& settings)
{
    // A fresh folder for every test: nothing left beside the executable but itself.
    const QString self = QCoreApplication::applicationFilePath();
    QDir dir(executableDir());
    for (const QFileInfo& entry : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        if (entry.absoluteFilePath() == self)
            continue;
        if (entry.isDir() && !entry.isSymLink()) {
            QDir(entry.absoluteFilePath()).removeRecursively();
        } else {
            QFile::setPermissions(entry.absoluteFilePath(), QFile::ReadOwner | QFile::WriteOwner);
            QFile::remove(entry.absoluteFilePath());
        }
    }

    if (!settings.isNull()) {
        QFile file(dir.filePath(QStringLiteral("Tovik.ini")));
        if (!file.open(QIODevice::WriteOnly) || file.write(settings) != settings.size())
            qFatal("cannot write the settings file");
    }

    static int argc = 1;
    static char name[] = "tovik-widget-test";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<TApplication>(argc, argv);
    Application->Initialize();
    Application->CreateForm(Form1);
    Form1->Show();
    QApplication::setActiveWindow(&window());
    if (!QTest::qWaitForWindowActive(&window()))
        qWarning("main window did not become active");
}

WidgetFixture::~WidgetFixture()
{
    application.reset();
    Form1 = nullptr;
}

QWidget& WidgetFixture::window() const
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("Form1"))
            return *w;
    }
    qFatal("no main window");
}

QLineEdit& WidgetFixture::edit(int number) const
{
    auto* e = window().findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(number));
    Q_ASSERT(e);
    return *e;
}

QPushButton& WidgetFixture::button(int number) const
{
    auto* b = window().findChild<QPushButton*>(QStringLiteral("SpeedButton%1").arg(number));
    Q_ASSERT(b);
    return *b;
}

QWidget* WidgetFixture::focus() const
{
    return window().focusWidget();
}

QString WidgetFixture::executableDir() const
{
    return QCoreApplication::applicationDirPath();
}

void WidgetFixture::type(const QString& text) const
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(focus(), c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, focus(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void WidgetFixture::key(int k, Qt::KeyboardModifiers modifiers) const
{
    QTest::keyClick(focus(), static_cast<Qt::Key>(k), modifiers);
}

bool WidgetFixture::settle() const
{
    return QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }, 5000);
}
