// The real display mode where no X server runs (the offscreen platform, on a
// desktop scaled by two): the mode is read in device pixels, and a switch to
// anything but the mode in force changes nothing and says so.
#include "platform/qt_display_mode.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

class TestDisplayMode : public QObject {
    Q_OBJECT
private slots:
    void readsDevicePixelsNotScaledOnes()
    {
        QScreen* screen = QGuiApplication::primaryScreen();
        QCOMPARE(screen->devicePixelRatio(), 2.0);
        QtDisplayMode R;
        QCOMPARE(R.Modua_Irakurri_Zabalera(), screen->geometry().width() * 2);
        QCOMPARE(R.Modua_Irakurri_Altuera(), screen->geometry().height() * 2);
        QCOMPARE(R.Modua_Irakurri_Bitak(), screen->depth());
    }

    void switchChangesNothingHere_data()
    {
        QTest::addColumn<int>("width");  // 0: as in force
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("bits");
        QTest::addColumn<bool>("shown");
        QTest::newRow("the mode in force") << 0 << 0 << 0 << true;
        QTest::newRow("1024 x 768") << 1024 << 768 << 0 << false;
        QTest::newRow("640 x 480 at 16") << 640 << 480 << 16 << false;
        QTest::newRow("same size, 16 bits") << 0 << 0 << 16 << false;
    }

    void switchChangesNothingHere()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, bits);
        QFETCH(bool, shown);
        QtDisplayMode R;
        const int w = R.Modua_Irakurri_Zabalera();
        const int h = R.Modua_Irakurri_Altuera();
        const int b = R.Modua_Irakurri_Bitak();
        QVERIFY(b != 16);
        QCOMPARE(R.Modua_Aldatu(width ? width : w, height ? height : h, bits ? bits : b), shown);
        QCOMPARE(R.Modua_Irakurri_Zabalera(), w);
        QCOMPARE(R.Modua_Irakurri_Altuera(), h);
        QCOMPARE(R.Modua_Irakurri_Bitak(), b);
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QGuiApplication app(argc, argv);
    TestDisplayMode test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_display_mode.moc"
