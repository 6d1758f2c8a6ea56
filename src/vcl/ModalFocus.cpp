#include "vcl/ModalFocus_p.h"

#include "vcl/Controls_p.h"
#include "vcl/Forms.h"

#include <QApplication>

QWidget* MainWindowWidget()
{
    return Application && Application->MainForm() ? WidgetOf(*Application->MainForm()) : nullptr;
}

RestoreActiveWindow::RestoreActiveWindow() : previous_(QApplication::activeWindow())
{
    if (!previous_)
        previous_ = MainWindowWidget();
}

RestoreActiveWindow::~RestoreActiveWindow()
{
    if (previous_)
        previous_->activateWindow();
}
