// Loading the design's bitmaps by their relative, backslash-separated paths.
#include "platform/qt_services.h"

#include <QtTest>

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
