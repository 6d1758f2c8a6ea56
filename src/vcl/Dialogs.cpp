#include "vcl/Dialogs.h"

#include "vcl/Forms.h"
#include "vcl/MessageDialog_p.h"
#include "vcl/QtText_p.h"

void ShowMessage(const AnsiString& text)
{
    // One button that is both default and cancel: every way of closing is the same.
    MessageDialog box(ToQString(Application->Title()), ToQString(text), QPixmap(),
                      {{QStringLiteral("OK"), QDialog::Accepted}}, 0, 0, QDialog::Accepted);
    box.run();
}
