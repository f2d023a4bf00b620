#include "drawing/pictures.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using drawing::ArrowColour;
using drawing::Side;

class TestPictures : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QImage load(const QString& file) { return QImage(dir.filePath(file), "BMP"); }
    QRgb key() const { return drawing::keyColour().rgb(); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY(drawing::writeRuntimePictures(dir.path()));
    }

    void everyFileIsA24BitBmpOfItsSize_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        const QMap<QString, QSize> fixed{{"pictures/UAL.bmp", {224, 80}},
                                         {"pictures/UAL_gorria.bmp", {224, 80}},
                                         {"pictures/batukari_morea.bmp", {64, 48}},
                                         {"pictures/batukari_gorria.bmp", {64, 48}},
                                         {"pictures/sistema_inicializando.bmp", {659, 181}}};
        const QStringList files = drawing::runtimeFiles();
        QCOMPARE(files.size(), 29);
        QCOMPARE(QSet<QString>(files.begin(), files.end()).size(), 29);
        for (const QString& f : files) {
            QSize size = fixed.value(f);
            if (f.startsWith("clocks/"))
                size = {64, 64};
            else if (f.contains("_eskuin_") || f.contains("_ezker_"))
                size = {17, 25};
            else if (f.contains("_gora_") || f.contains("_behera_"))
                size = {25, 17};
            QVERIFY2(size.isValid(), qPrintable(f));
            QTest::newRow(qPrintable(f)) << f << size;
        }
    }
    void everyFileIsA24BitBmpOfItsSize()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QFile raw(dir.filePath(file));
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QByteArray header = raw.read(30);
        QCOMPARE(header.left(2), QByteArray("BM"));
        QCOMPARE(int(quint8(header[28])), 24); // bits per pixel
        const QImage image = load(file);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), size);
    }

    void arrowsPointAtTheirEdge_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QPoint>("tip");
        QTest::addColumn<QPoint>("cornerA");
        QTest::addColumn<QPoint>("cornerB");
        QTest::addColumn<QRgb>("fill");
        const struct { const char* name; QPoint tip, a, b; } dirs[] = {
            {"eskuin", {16, 12}, {16, 0}, {16, 24}},
            {"ezker", {0, 12}, {0, 0}, {0, 24}},
            {"gora", {12, 0}, {0, 0}, {24, 0}},
            {"behera", {12, 16}, {0, 16}, {24, 16}}};
        const struct { const char* name; QRgb fill; } colours[] = {
            {"txuria", qRgb(255, 255, 255)}, {"gorria", qRgb(255, 0, 0)}, {"info", qRgb(0, 192, 192)}};
        for (const auto& d : dirs)
            for (const auto& c : colours) {
                const QString f = QStringLiteral("pictures/gezi_%1_%2.bmp").arg(d.name, c.name);
                QTest::newRow(qPrintable(f)) << f << d.tip << d.a << d.b << c.fill;
            }
    }
    void arrowsPointAtTheirEdge()
    {
        QFETCH(QString, file);
        QFETCH(QPoint, tip);
        QFETCH(QPoint, cornerA);
        QFETCH(QPoint, cornerB);
        QFETCH(QRgb, fill);
        const QImage image = load(file);
        QVERIFY(image.pixel(tip) != key());
        QCOMPARE(image.pixel(cornerA), key());
        QCOMPARE(image.pixel(cornerB), key());
        // The base runs across the whole opposite edge.
        const QPoint base = QPoint(image.width() - 1, image.height() - 1) - tip;
        const QPoint along = image.width() > image.height() ? QPoint(1, 0) : QPoint(0, 1);
        const QPoint start = base - along * (along.x() ? base.x() : base.y());
        for (int i = 0; i < (along.x() ? image.width() : image.height()); ++i)
            QVERIFY2(image.pixel(start + along * i) != key(), qPrintable(QString::number(i)));
        QCOMPARE(image.pixel(image.width() / 2, image.height() / 2), fill);
    }

    void clockFramesAreDistinctAndOnlyTwelveMarksTheEdge()
    {
        QList<QImage> frames;
        for (int k = 1; k <= 12; ++k)
            frames << load(QStringLiteral("clocks/t%1.bmp").arg(k));
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(frames[i].pixel(0, 0), key());
            QVERIFY(frames[i].pixel(32, 32) != key());
            for (int j = i + 1; j < 12; ++j)
                QVERIFY2(frames[i] != frames[j], qPrintable(QStringLiteral("t%1 == t%2").arg(i + 1).arg(j + 1)));
        }
        // The edge mark shows as green on the rim, which no other frame has.
        const auto greenPixels = [](const QImage& img) {
            int n = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const QRgb c = img.pixel(x, y);
                    n += qGreen(c) > 150 && qRed(c) < 80 && qBlue(c) < 80;
                }
            return n;
        };
        QVERIFY(greenPixels(frames[11]) > 100);
        for (int i = 0; i < 11; ++i)
            QCOMPARE(greenPixels(frames[i]), 0);
        // Hands at 12 and 6 are opposite: up above the centre, down below it.
        const auto darkAt = [](const QImage& img, int x, int y) { return qGray(img.pixel(x, y)) < 100; };
        QVERIFY(darkAt(frames[11], 32, 14) && !darkAt(frames[5], 32, 14));
        QVERIFY(darkAt(frames[5], 32, 50) && !darkAt(frames[11], 32, 50));
        QVERIFY(darkAt(frames[2], 50, 32) && !darkAt(frames[8], 50, 32));
    }

    void aluRestAndLitDifferOnlyInsideTheShape()
    {
        const QImage rest = load("pictures/UAL.bmp"), lit = load("pictures/UAL_gorria.bmp");
        for (const QImage& img : {rest, lit}) {
            for (QPoint corner : {QPoint(0, 79), QPoint(223, 79), QPoint(112, 2)})
                QCOMPARE(img.pixel(corner), key());
            // The inputs enter through the top edge at B and A, the output leaves at the bottom.
            for (QPoint edge : {QPoint(34, 0), QPoint(196, 0), QPoint(112, 79)})
                QVERIFY(img.pixel(edge) != key());
        }
        QCOMPARE(rest.pixel(112, 55), qRgb(192, 192, 255));
        QCOMPARE(lit.pixel(112, 55), qRgb(255, 96, 96));
        int changed = 0;
        for (int y = 0; y < rest.height(); ++y)
            for (int x = 0; x < rest.width(); ++x)
                if (rest.pixel(x, y) != lit.pixel(x, y)) {
                    ++changed;
                    QVERIFY(rest.pixel(x, y) != key() && lit.pixel(x, y) != key());
                }
        QVERIFY(changed > 5000);
    }

    void keyColourNeverAppearsInsideDesignPictures()
    {
        // Opaque pictures must not contain the key, or the program would punch holes in them.
        for (const QImage& img : {drawing::spanishBanner(), drawing::basqueBanner(), drawing::asmChart({260, 200})})
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    QVERIFY(img.pixel(x, y) != key());
        const QImage mux = drawing::multiplexer({31, 60}, Side::Right);
        QCOMPARE(mux.size(), QSize(31, 60));
        // Narrow side faces the output: the right-hand corners are background, the left ones not.
        QCOMPARE(mux.pixel(30, 0), key());
        QVERIFY(mux.pixel(0, 0) != key());
        QCOMPARE(drawing::multiplexer({60, 31}, Side::Top).pixel(0, 0), key());
        QCOMPARE(drawing::basqueFlag().size(), QSize(30, 27));
        QCOMPARE(drawing::runtimePicture("pictures/nothing.bmp"), QImage());
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
