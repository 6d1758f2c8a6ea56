#include "vcl/Dialogs.h"

#include "vcl/Forms.h"
#include "vcl/MessageDialog_p.h"
#include "vcl/ModalFocus_p.h"
#include "vcl/QtText_p.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>

namespace {

// "Description|*.a;*.b|..." as the toolkit's name filters, "Description (*.a *.b)"; a
// description that already ends in its patterns is shown as it is.
QStringList nameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString tail = QLatin1Char('(') + patterns + QLatin1Char(')');
        result << (parts[i].endsWith(tail) ? parts[i] : parts[i] + QLatin1Char(' ') + tail);
    }
    return result;
}

// The toolkit's own save dialog, the same on every desktop. File names are held in code
// page 932, so a name that code page cannot hold is refused here rather than changed
// into the name of some other file.
class SaveFileDialog : public QFileDialog {
public:
    explicit SaveFileDialog(QWidget* parent) : QFileDialog(parent)
    {
        setOption(QFileDialog::DontUseNativeDialog);
        setOption(QFileDialog::DontConfirmOverwrite);
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
        setSizeGripEnabled(true);
    }

    void accept() override
    {
        const QStringList files = selectedFiles();
        if (!files.isEmpty() && ToQString(ToAnsi(files.first())) != files.first()) {
            QMessageBox::warning(this, windowTitle(),
                                 QString::fromUtf8("このファイル名は使えません。別の名前を指定してください。"));
            return;
        }
        QFileDialog::accept();
    }
};

// Centred across the monitor that shows the main window, its top edge a third of the way
// down the height the dialog leaves free there. Its frame is not known before it is
// shown; the main window's frame, from the same window manager, stands in for it.
void placeOnMainMonitor(QWidget& dialog)
{
    QWidget* main = MainWindowWidget();
    QScreen* screen = main ? main->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    dialog.adjustSize();
    QSize size = dialog.size();
    if (main)
        size += main->frameGeometry().size() - main->geometry().size();
    const QRect area = screen->availableGeometry();
    dialog.move(area.x() + (area.width() - size.width()) / 2,
                area.y() + std::max(0, area.height() - size.height()) / 3);
}

} // namespace

void ShowMessage(const AnsiString& text)
{
    // One button that is both default and cancel: every way of closing is the same.
    MessageDialog box(ToQString(Application->Title()), ToQString(text), QPixmap(),
                      {{QStringLiteral("OK"), QDialog::Accepted}}, 0, 0, QDialog::Accepted);
    box.run();
}

int MessageDlg(const AnsiString& Msg, TMsgDlgType, TMsgDlgButtons Buttons, int)
{
    std::vector<MessageDialog::Button> buttons;
    if (Buttons & mbYes)
        buttons.push_back({QString::fromUtf8("はい(&Y)"), mrYes});
    if (Buttons & mbNo)
        buttons.push_back({QString::fromUtf8("いいえ(&N)"), mrNo});
    if (buttons.empty())
        return mrCancel;
    const QPixmap icon =
        QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32);
    MessageDialog box(QString::fromUtf8("情報"), ToQString(Msg), icon, buttons, 0,
                      buttons.size() - 1, mrCancel);
    return box.run();
}

bool TSaveDialog::Execute()
{
    RestoreActiveWindow restoreAfterwards;
    SaveFileDialog dialog(MainWindowWidget());
    dialog.setNameFilters(nameFilters(ToQString(filter_)));
    const QStringList filters = dialog.nameFilters();
    if (filterIndex_ >= 1 && filterIndex_ <= filters.size())
        dialog.selectNameFilter(filters[filterIndex_ - 1]);
    dialog.setDefaultSuffix(ToQString(defaultExt_));
    if (!fileName_.empty())
        dialog.selectFile(ToQString(fileName_));
    placeOnMainMonitor(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    fileName_ = ToAnsi(dialog.selectedFiles().first());
    return true;
}
