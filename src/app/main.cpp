#include "platform/qt_services.h"
#include "platform/qt_timer_driver.h"
#include "windows/main_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RIRIv4"));

    QtTimerDriver timers;
    FilePictureLoader pictures;
    QtBeeper beeper;
    QtMessageService messages;
    QtProgramStarter starter;
    SysInfoRegistry registry;
    Platform platform{timers, pictures, beeper, messages, starter, registry};

    MainWindow window(platform);
    window.show();
    return app.exec();
}
