// The start-up splash (progress row, captions, modal display ended by the clock)
// and the result window (rows from memory, captions, closing).
#include "../control/driving.h"

#include "model/funtzioak.h"

#include <QCoreApplication>
#include <QLabel>
#include <QtTest>

using namespace driving;

class TestSplashResult : public QObject {
    Q_OBJECT
private slots:
    void asterisksGrowAndStartOverAtTwenty()
    {
        Sim s;
        SplashWindow& splash = s.w->S_H();
        QList<int> lengths;
        for (int i = 0; i < 40; ++i) {
            s.w->commands().s_h_timer_Timer();
            lengths << splash.puntuak()->text().size();
        }
        QList<int> expected;
        for (int n = 1; n <= 19; ++n)
            expected << n;
        expected << 1;
        for (int n = 2; n <= 20; ++n)
            expected << n;
        expected << 1;
        QCOMPARE(lengths, expected);
        QCOMPARE(splash.puntuak()->text(), QStringLiteral("*"));
    }

    void everyStartBeginsWithAnEmptyRow()
    {
        Sim s;
        load(s, QStringLiteral("5"), QStringLiteral("3"));
        s.el("ga", 1).click();
        SplashWindow& splash = s.w->S_H();
        QVERIFY(splash.isVisible());
        QVERIFY(splash.isModal());
        QCOMPARE(splash.cursor().shape(), Qt::WaitCursor);
        s.clock().advance(500);
        QCOMPARE(splash.puntuak()->text(), QStringLiteral("**********"));
        QVERIFY(s.clock().advanceUntil([&] { return !splash.isVisible(); }, 5000));
        QCOMPARE(splash.puntuak()->text(), QString());
        QCOMPARE(splash.Puntu_Kontagailua, int16_t(0));
        // The user cannot close it while the start-up runs.
        s.el("ga", 3).click();
        load(s, QStringLiteral("5"), QStringLiteral("3"));
        s.el("ga", 1).click();
        splash.close();
        QTest::keyClick(&splash, Qt::Key_Escape);
        QVERIFY(splash.isVisible());
        s.clock().advance(100);
        QCOMPARE(splash.puntuak()->text(), QStringLiteral("**"));
    }

    void splashCaptionAndBannerFollowTheLanguage()
    {
        {
            Sim s;
            QVERIFY(loadAndStart(s, QStringLiteral("5"), QStringLiteral("3")));
            QCOMPARE(s.w->S_H().windowTitle(), QStringLiteral("Sistema Hasieratzen..."));
            QVERIFY(!s.fp.pictures.loaded.contains(QStringLiteral("pictures\\sistema_inicializando.bmp")));
            QVERIFY(!s.w->S_H().Picture2()->pixmap().isNull());
        }
        {
            Sim s(true);
            QVERIFY(loadAndStart(s, QStringLiteral("5"), QStringLiteral("3")));
            QCOMPARE(s.w->S_H().windowTitle(), QStringLiteral("Sistema inicializando..."));
            QVERIFY(s.fp.pictures.loaded.contains(QStringLiteral("pictures\\sistema_inicializando.bmp")));
            // The file is missing on the fake loader: a banner is still drawn.
            QVERIFY(!s.w->S_H().Picture2()->pixmap().isNull());
        }
    }

    void resultRowsShowTheThreeWords_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("product");  // word 0002 as the program would leave it
        QTest::addColumn<QStringList>("decimal");
        QTest::newRow("5 x 3") << "0000000000000101" << "0000000000000011" << "0000000000001111"
                               << QStringList{"5", "3", "15"};
        QTest::newRow("0 x 7") << "0000000000000000" << "0000000000000111" << "0000000000000000"
                               << QStringList{"0", "7", "0"};
        QTest::newRow("never stored") << "0000000000000001" << "0000000000000001" << ""
                                      << QStringList{"1", "1", "0"};
    }

    void resultRowsShowTheThreeWords()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, product);
        QFETCH(QStringList, decimal);
        Sim s;
        MN().MN_Egitura_Aldatu("0000", a.toStdString(), ":A", -1);
        MN().MN_Egitura_Aldatu("0001", b.toStdString(), ":B", -1);
        MN().MN_Egitura_Aldatu("0002", product.toStdString(), ":C", -1);
        ResultWindow& result = s.w->Amaiera();
        result.Amaiera_eguneratu();
        const QStringList words{a, b, product};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(result.findChild<QLineEdit*>(QStringLiteral("Bitar%1").arg(i))->text(), words[i]);
            QCOMPARE(result.findChild<QLineEdit*>(QStringLiteral("Hamartar%1").arg(i))->text(), decimal[i]);
            QVERIFY(result.Bitar(i)->isReadOnly());
        }
    }

    void resultCaptionsAndClosing()
    {
        Sim s;
        ResultWindow& result = s.w->Amaiera();
        QCOMPARE(result.windowTitle(), QStringLiteral("Emaitza"));
        QCOMPARE(result.findChild<QLabel*>(QStringLiteral("Label4"))->text(), QStringLiteral("A*B PROGRAMAREN EMAITZA:"));
        QCOMPARE(result.findChild<QLabel*>(QStringLiteral("Label3"))->text(), QStringLiteral(" A*B: "));
        result.setTexts(QStringLiteral("Resultado"), QStringLiteral("RESULTADO PROGRAMA A*B:"));
        QCOMPARE(result.windowTitle(), QStringLiteral("Resultado"));

        s.w->setEnabled(false);
        result.show();
        result.close();
        QVERIFY(s.w->isEnabled());
        QVERIFY(!s.w->existingResult());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Shown again later, it is a fresh window with the design texts.
        QCOMPARE(s.w->Amaiera().windowTitle(), QStringLiteral("Emaitza"));
    }
};

QTEST_MAIN(TestSplashResult)
#include "tst_splash_result.moc"
