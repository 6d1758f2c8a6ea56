#include "WidgetFixture.h"

#include "rtl/Cp932.h"
#include "rtl/Exceptions.h"
#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"

#include <QApplication>
#include <QLineEdit>

namespace {

// A bare form of the platform whose creation handler a test supplies.
class TTestForm : public TForm {
public:
    static inline std::function<void(TTestForm&)> createHandler;

    explicit TTestForm(TComponent* Owner) : TForm(Owner)
    {
        SetName("TestForm");
        SetClientSize(100, 60);
        Edit = new TEdit(this);
        Edit->SetName("Edit");
        Edit->SetBounds(4, 4, 80, 20);
        OnCreate = [this](TObject*) {
            if (createHandler)
                createHandler(*this);
        };
    }
    TEdit* Edit;
};

TTestForm* TestForm = nullptr;

QWidget* windowOf(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            return w;
    return nullptr;
}

const QString CannotOpen = QStringLiteral("ファイル /x/Tovik.ini は開けません");

} // namespace

// Every event reaches user code through one guard: an escaping exception becomes the
// error report, the handler ends there, and the program goes on.
class TestVclForms : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        static int argc = 1;
        static char name[] = "test";
        static char* argv[] = {name, nullptr};
        TTestForm::createHandler = nullptr;
        app = std::make_unique<TApplication>(argc, argv);
        Application->Initialize();
        watch = std::make_unique<BoxWatch>();
    }
    void cleanup()
    {
        const QStringList problems = watch->problems;
        app.reset();
        TestForm = nullptr;
        watch.reset();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void exceptionInCreateIsReportedBeforeTheFirstShow()
    {
        TTestForm* referenceDuringCreate = nullptr;
        bool afterThrow = false;
        TTestForm::createHandler = [&](TTestForm& form) {
            referenceDuringCreate = TestForm;
            QVERIFY(referenceDuringCreate == &form);
            throw EFOpenError(Utf8ToAnsi(CannotOpen.toStdString()));
            afterThrow = true;
        };
        bool visibleDuringReport = true;
        watch->expect([&](QDialog& box) {
            visibleDuringReport = windowOf("TestForm")->isVisible();
            box.reject();
        });

        Application->CreateForm(TestForm);

        QVERIFY(referenceDuringCreate);
        QVERIFY(!afterThrow);
        QVERIFY(!visibleDuringReport);
        QCOMPARE(watch->seen, QStringList{applicationTitle() + "|" + CannotOpen + "."});
        QCOMPARE(Application->MainForm(), TestForm);
        TestForm->Show();
        QVERIFY(windowOf("TestForm")->isVisible());
    }

    void exceptionInCloseKeepsTheWindowOpen()
    {
        Application->CreateForm(TestForm);
        TestForm->Show();
        int closeCalls = 0;
        TestForm->OnClose = [&](TObject*, TCloseAction& action) {
            QCOMPARE(action, caHide);
            if (++closeCalls == 1)
                throw EWriteError(Utf8ToAnsi("ストリームへの書き込みエラー"));
        };

        watch->expectKey(Qt::Key_Return);
        QVERIFY(!windowOf("TestForm")->close());
        QVERIFY(QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }));
        QCOMPARE(watch->seen, QStringList{applicationTitle() + "|ストリームへの書き込みエラー."});
        QVERIFY(windowOf("TestForm")->isVisible());
        QVERIFY(!Application->Terminated());

        // The next request runs the handler again from its start.
        QVERIFY(windowOf("TestForm")->close());
        QCOMPARE(closeCalls, 2);
        QVERIFY(!windowOf("TestForm")->isVisible());
        QVERIFY(Application->Terminated());
    }

    void closeActionNoneKeepsTheWindowOpen()
    {
        Application->CreateForm(TestForm);
        TestForm->Show();
        TestForm->OnClose = [](TObject*, TCloseAction& action) { action = caNone; };
        QVERIFY(!windowOf("TestForm")->close());
        QVERIFY(windowOf("TestForm")->isVisible());
        QVERIFY(!Application->Terminated());
    }

    void exceptionInKeyHandlerSwallowsTheKey()
    {
        Application->CreateForm(TestForm);
        TestForm->Show();
        QVERIFY(QTest::qWaitForWindowActive(windowOf("TestForm")));
        TestForm->Edit->OnKeyPress = [](TObject*, unsigned char& key) {
            if (key == 'x')
                throw EConvertError("'x' is wrong");
        };
        auto* edit = windowOf("TestForm")->findChild<QLineEdit*>("Edit");
        watch->expectKey(Qt::Key_Return);
        QTest::keyClicks(edit, "axb");
        QVERIFY(QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }));
        QCOMPARE(watch->seen, QStringList{applicationTitle() + "|'x' is wrong."});
        QCOMPARE(edit->text(), QStringLiteral("ab"));
    }

private:
    std::unique_ptr<TApplication> app;
    std::unique_ptr<BoxWatch> watch;
};

TOVIK_WIDGET_TEST_MAIN(TestVclForms)
#include "tst_vclforms.moc"
