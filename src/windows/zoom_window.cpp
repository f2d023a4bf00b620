#include "zoom_window.h"

#include "main_window.h"

#include <QCloseEvent>

ZoomWindow::ZoomWindow(MainWindow& main, const QString& name) : QDialog(nullptr), main_(main)
{
    setObjectName(name);
    setWindowTitle(name);
    setAttribute(Qt::WA_DeleteOnClose);
}

void ZoomWindow::showOverMain()
{
    show();
    // No window manager may be there to do it: the window takes the keyboard itself.
    raise();
    activateWindow();
}

void ZoomWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (onUnload)
        onUnload();
    main_.setEnabled(true);
    main_.takeFocusBack();
}
