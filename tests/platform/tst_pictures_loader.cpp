// Loading the design's bitmaps by their relative, backslash-separated paths.
#include "platform/qt_services.h"

#include <QtTest>

namespace {
// What the loader says on standard error, caught instead.
QStringList said;
void catchMessage(QtMsgType, const QMessageLogContext&, const QString& text) { said << text; }

enum Kind { None, Good, Bad };

// pictures/UAL.bmp in `folder`: none, a readable bitmap `size` wide, or garbage.
void putPicture(const QString& folder, Kind kind, int width)
{
    if (kind == None)
        return;
    QVERIFY(QDir(folder).mkpath("pictures"));
    const QString path = QDir(folder).filePath("pictures/UAL.bmp");
    if (kind == Good) {
        QImage img(width, 3, QImage::Format_RGB32);
        img.fill(Qt::darkGreen);
        QVERIFY(img.save(path, "BMP"));
        return;
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not a bitmap");
}
}  // namespace

class TestPictureLoader : public QObject {
    Q_OBJECT
private slots:
    void missingFileGivesAnEmptyPicture()
    {
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        FilePictureLoader loader;
        QVERIFY(loader.load("pictures\\nothing_here.bmp").isNull());
        QVERIFY(loader.load("").isNull());
        QVERIFY(loader.load("pictures\\").isNull());
    }

    void backslashPathsAreRelativeToTheCurrentFolder()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("clocks"));
        QImage img(8, 6, QImage::Format_RGB32);
        img.fill(QColor(255, 0, 255));
        img.setPixel(1, 1, qRgb(0, 128, 0));
        QVERIFY(img.save(dir.filePath("clocks/t3.bmp"), "BMP"));
        QVERIFY(QDir::setCurrent(dir.path()));

        FilePictureLoader loader;
        const QPixmap p = loader.load("clocks\\t3.bmp");
        QVERIFY(!p.isNull());
        QCOMPARE(p.size(), QSize(8, 6));
        // Pure magenta is the background that must let the control show through.
        const QImage back = p.toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(qAlpha(back.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(back.pixel(1, 1)), 255);
        QCOMPARE(FilePictureLoader::localPath("pictures\\gezi_gora_info.bmp"), QString("pictures/gezi_gora_info.bmp"));
    }

    void theProgramFolderIsLookedInWhenTheCurrentOneLacksThePicture_data()
    {
        QTest::addColumn<int>("current");  // Kind of pictures/UAL.bmp under the current folder
        QTest::addColumn<int>("program");  // ... and under the program's own folder
        QTest::addColumn<int>("width");    // of the picture loaded (4 current, 6 program), 0 empty
        QTest::addColumn<QString>("says"); // what standard error gets, once; the folders stand for their paths
        QTest::newRow("current folder only") << int(Good) << int(None) << 4 << "";
        QTest::newRow("program folder only") << int(None) << int(Good) << 6 << "";
        QTest::newRow("both: the current folder first") << int(Good) << int(Good) << 4 << "";
        QTest::newRow("neither") << int(None) << int(None) << 0
                                 << "ririv4: picture pictures/UAL.bmp not found in CURRENT nor in PROGRAM; shown empty";
        QTest::newRow("unreadable in the current folder") << int(Bad) << int(Good) << 0
                                 << "ririv4: picture CURRENT/pictures/UAL.bmp cannot be read; shown empty";
        QTest::newRow("unreadable in the program folder") << int(None) << int(Bad) << 0
                                 << "ririv4: picture PROGRAM/pictures/UAL.bmp cannot be read; shown empty";
    }

    void theProgramFolderIsLookedInWhenTheCurrentOneLacksThePicture()
    {
        QFETCH(int, current);
        QFETCH(int, program);
        QFETCH(int, width);
        QFETCH(QString, says);
        QTemporaryDir here, home;
        putPicture(here.path(), Kind(current), 4);
        putPicture(home.path(), Kind(program), 6);
        QVERIFY(QDir::setCurrent(here.path()));
        said.clear();
        const QtMessageHandler previous = qInstallMessageHandler(catchMessage);
        FilePictureLoader loader(home.path());
        const QPixmap first = loader.load("pictures\\UAL.bmp");
        const QPixmap again = loader.load("pictures\\UAL.bmp");
        qInstallMessageHandler(previous);
        QCOMPARE(first.width(), width);
        QCOMPARE(again.width(), width);
        says.replace("CURRENT", QDir::currentPath()).replace("PROGRAM", home.path());
        QCOMPARE(said, says.isEmpty() ? QStringList() : QStringList{says});
    }

    void unreadableFileGivesAnEmptyPicture()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("pictures"));
        QFile f(dir.filePath("pictures/UAL.bmp"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a bitmap");
        f.close();
        QVERIFY(QDir::setCurrent(dir.path()));
        FilePictureLoader loader;
        QVERIFY(loader.load("pictures\\UAL.bmp").isNull());
    }
};

QTEST_MAIN(TestPictureLoader)
#include "tst_pictures_loader.moc"
