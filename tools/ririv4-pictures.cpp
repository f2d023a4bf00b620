// Writes the simulator's run-time bitmaps (and PNG previews for checking
// them by eye) below the folder given on the command line.
#include "drawing/pictures.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // Text needs fonts, hence a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: ririv4-pictures <outdir>\n");
        return 2;
    }
    if (!drawing::writeRuntimePictures(args[1])) {
        std::fprintf(stderr, "ririv4-pictures: cannot write the bitmaps below %s\n", qPrintable(args[1]));
        return 1;
    }
    if (!drawing::writePreviews(args[1]))
        std::fprintf(stderr, "ririv4-pictures: some previews could not be written\n");
    return 0;
}
