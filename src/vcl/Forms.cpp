#include "vcl/Forms.h"

#include "rtl/ErrorReport.h"
#include "rtl/Paths.h"
#include "vcl/Controls_p.h"
#include "vcl/Guard_p.h"
#include "vcl/MessageDialog_p.h"
#include "vcl/QtText_p.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QStyle>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

TApplication* Application = nullptr;

namespace {

class FormWindow : public QWidget {
public:
    explicit FormWindow(TForm& form)
        : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
          form_(form)
    {
    }

protected:
    // A close that OnClose fails or refuses leaves the window open; the next request to
    // close runs OnClose again from its start.
    void closeEvent(QCloseEvent* event) override
    {
        TCloseAction action = caHide;
        const bool completed = RunGuarded([&] {
            if (form_.OnClose)
                form_.OnClose(&form_, action);
        });
        if (!completed || action == caNone) {
            event->ignore();
            return;
        }
        event->accept();
        if (Application && Application->MainForm() == &form_)
            Application->Terminate();
    }

private:
    TForm& form_;
};

} // namespace

TForm::TForm(TComponent* Owner) : TWinControl(Owner, std::make_unique<Impl>(new FormWindow(*this)))
{
}

TForm::~TForm() = default;

void TForm::SetCaption(const AnsiString& caption)
{
    WidgetOf(*this)->setWindowTitle(ToQString(caption));
}

void TForm::SetClientSize(int width, int height)
{
    WidgetOf(*this)->setFixedSize(width, height);
}

int TForm::Left() const
{
    return WidgetOf(*this)->pos().x();
}

int TForm::Top() const
{
    return WidgetOf(*this)->pos().y();
}

void TForm::SetLeft(int left)
{
    WidgetOf(*this)->move(left, Top());
}

void TForm::SetTop(int top)
{
    WidgetOf(*this)->move(Left(), top);
}

void TForm::SetActiveControl(TWinControl* control)
{
    activeControl_ = control;
    if (control)
        control->SetFocus();
}

void TForm::Show()
{
    QWidget* window = WidgetOf(*this);
    window->show();
    window->activateWindow();
    if (activeControl_)
        activeControl_->SetFocus();
}

void TForm::Close()
{
    WidgetOf(*this)->close();
}

void TForm::DoCreate()
{
    if (OnCreate)
        RunGuarded([this] { OnCreate(this); });
}

struct TApplication::Impl {
    std::unique_ptr<QApplication> ownApplication;
    QTranslator japanese;
};

TApplication::TApplication(int& argc, char** argv)
    : TComponent(nullptr), impl_(std::make_unique<Impl>()),
      title_(ApplicationTitleFor(ExecutablePath()))
{
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
            const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
            if (!x11 && !wayland) {
                std::fprintf(stderr, "%s: no display to open the window on (DISPLAY is not set)\n",
                             argc > 0 ? argv[0] : "tovik");
                std::exit(EXIT_FAILURE);
            }
            // A Wayland session does not let a window choose its own position; through
            // XWayland the stored window position still holds.
            if (x11 && wayland)
                qputenv("QT_QPA_PLATFORM", "xcb");
        }
        impl_->ownApplication = std::make_unique<QApplication>(argc, argv);
    }
    Application = this;
}

TApplication::~TApplication()
{
    DestroyComponents();
    Application = nullptr;
}

void TApplication::Initialize()
{
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(ToQString(title_));
    // The toolkit's own dialogs (the save dialog above all) speak Japanese, as every other
    // text of the program does, whatever the locale.
    if (impl_->japanese.load(QStringLiteral("qt_ja"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&impl_->japanese);
    // The program's icon is the resource MAINICON, when the program carries one.
    const QString icon = QStringLiteral(":/MAINICON.xpm");
    if (QFile::exists(icon))
        QApplication::setWindowIcon(QIcon(icon));
}

void TApplication::AdoptForm(TForm* form)
{
    form->DoCreate();
    if (!mainForm_)
        mainForm_ = form;
}

int TApplication::Run()
{
    if (mainForm_)
        mainForm_->Show();
    return QApplication::exec();
}

void TApplication::Terminate()
{
    terminated_ = true;
    QCoreApplication::quit();
}

void TApplication::ShowException(const Exception& error)
{
    const QPixmap icon = QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32);
    MessageDialog box(ToQString(title_), ToQString(ErrorReportText(error.Message())), icon,
                      {{QStringLiteral("OK"), QDialog::Accepted}}, 0, 0, QDialog::Accepted);
    box.run();
}
