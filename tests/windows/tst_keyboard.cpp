// The whole road by keyboard alone: a newcomer who never touches the mouse.
#include "../control/driving.h"

#include <QtTest>

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void loadStartRunPauseAndFinishByKeys()
    {
        Sim s;
        s.w->show();
        s.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.w.get()));

        QTest::keyClick(s.w.get(), Qt::Key_F8);  // load program
        QVERIFY(s.w->P_K().isVisible());
        QVERIFY(!s.w->isEnabled());
        s.w->P_K().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s.w->P_K()));
        QLineEdit* a = driving::box(s, "Text2");
        a->setFocus();
        a->selectAll();
        QTest::keyClicks(a, "4");
        QTest::keyClick(a, Qt::Key_Return);  // Enter accepts the operands
        QVERIFY(!s.w->P_K().isVisible());
        QVERIFY(s.w->isEnabled());
        QCOMPARE(QString::fromStdString(MN().MN_Egitura_Kodea_Irakurri("0")), QString("0000000000000100"));

        s.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.w.get()));
        QTest::keyClick(s.w.get(), Qt::Key_F5);  // start the system
        QVERIFY(s.clock().advanceUntil([&] { return !driving::splashShown(s); }, 5000));
        s.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.w.get()));

        QTest::keyClick(s.w.get(), Qt::Key_F2);  // continuous run
        QVERIFY(driving::pressed(s, 4));
        s.clock().advance(20 * 801);
        QTest::keyClick(s.w.get(), Qt::Key_F6);  // pause
        QVERIFY(driving::pressed(s, 2));
        const QString shown = s.el("ASM_oraingo_egoera_G").text();
        s.clock().advance(10 * 801);
        QCOMPARE(s.el("ASM_oraingo_egoera_G").text(), shown);
        QTest::keyClick(s.w.get(), Qt::Key_Plus);  // faster, while paused
        QCOMPARE(s.el("Clk_T").text(), QString("1"));
        QTest::keyClick(s.w.get(), Qt::Key_F7);  // finish
        QVERIFY(driving::released(s, 2));
        QVERIFY(s.el("ga", 0).isUsable());
        QCOMPARE(s.el("Clk_T").text(), QString("0"));
        QVERIFY(s.w->menu("Programa_kargatu").isEnabled());
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
