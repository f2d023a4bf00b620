#include "platform/qt_display_mode.h"
#include "platform/qt_services.h"
#include "platform/qt_timer_driver.h"
#include "windows/main_window.h"
#include "windows/start_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RIRIv4"));
    // The program ends where the windows say so: closing the start window before
    // a choice, a No to the display question, or the main window's unload. The
    // start window hides while the question is up, which must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    QtTimerDriver timers;
    FilePictureLoader pictures;
    QtBeeper beeper;
    QtMessageService messages;
    QtProgramStarter starter;
    QtDisplayMode display;
    SysInfoRegistry registry;
    Platform platform{timers, pictures, beeper, messages, starter, display, registry};

    std::unique_ptr<MainWindow> mainWindow;  // created at the language choice
    StartWindow start(platform, mainWindow);
    start.show();
    return app.exec();
}
