// The main window's commands: which commands are usable in each phase, the run
// modes with pause and continue, the clock speed, Finish, help and exit.
#include "../control/driving.h"

#include "windows/about_box.h"
#include "windows/asm_zoom.h"
#include "windows/memory_zoom.h"
#include "windows/register_zoom.h"

#include <QCoreApplication>
#include <QGraphicsView>
#include <QLabel>
#include <QtTest>

using namespace driving;

namespace {

// The button-bar entries 0..6 and whether each is usable, with the menu entries.
void expectUsable(Sim& s, std::initializer_list<int> usable)
{
    const char* menus[] = {"Programa_kargatu", "Sistema_martxan_ipini", "Eten_Segi", "Bukatu",
                           "Martxan_etengabe", "Erloju_ziklo_bat", "Agindu_oso_bat"};
    for (int i = 0; i < 7; ++i) {
        const bool want = std::find(usable.begin(), usable.end(), i) != usable.end();
        QVERIFY2(s.el("ga", i).isUsable() == want, qPrintable(QStringLiteral("ga(%1)").arg(i)));
        QVERIFY2(menu(s, menus[i]).isEnabled() == want, menus[i]);
    }
    for (int i = 7; i < 9; ++i)
        QVERIFY(s.el("ga", i).isUsable());
    for (const char* always : {"Nola_erabili", "Irten", "About_Kovi"})
        QVERIFY(menu(s, always).isEnabled());
}

void expectIntervals(Sim& s, int clockMs, int busMs)
{
    QCOMPARE(s.w->control().clockTimer().interval(), clockMs);
    for (Timer* t : s.dp().busTimers())
        QCOMPARE(t->interval(), busMs);
}

}  // namespace

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void startUpLeavesEverythingAtRest()
    {
        Sim s;
        QCOMPARE(s.el("Clk_T").text(), QStringLiteral("0"));
        expectIntervals(s, 801, 201);
        QVERIFY(!s.el("F_erlojua").isEnabled());
        QCOMPARE(s.clock().armedCount(), 0);
        QVERIFY(s.w->control().rs.Lehen_Fetch);
        QCOMPARE(QString::fromStdString(G().Lerro_Jauzia), QStringLiteral("\r\n"));
        expectUsable(s, {0});
    }

    void phasesFollowOneAnother()
    {
        Sim s;
        s.el("ga", 0).click();
        QVERIFY(!s.w->isEnabled());
        QVERIFY(s.w->P_K().isVisible());
        QVERIFY(pressed(s, 0));

        s.w->P_K().findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        QVERIFY(s.w->isEnabled());
        QVERIFY(!s.w->P_K().isVisible());
        QVERIFY(released(s, 0));
        expectUsable(s, {1});

        s.el("ga", 1).click();
        QVERIFY(splashShown(s));
        QVERIFY(pressed(s, 1));
        expectUsable(s, {});
        QCOMPARE(s.w->control().clockTimer().interval(), 100);

        QVERIFY(s.clock().advanceUntil([&] { return !splashShown(s); }, 5000));
        QVERIFY(released(s, 1));
        QVERIFY(s.el("F_erlojua").isEnabled());
        QVERIFY(!s.w->control().clockTimer().isEnabled());
        QVERIFY(!s.w->s_h_timer().isEnabled());
        QCOMPARE(s.w->control().clockTimer().interval(), 801);
        expectUsable(s, {2, 3, 4, 5, 6});

        s.el("ga", 3).click();
        expectUsable(s, {0});
        QVERIFY(!s.el("F_erlojua").isEnabled());
    }

    void closingTheLoadDialogReturnsToIdle()
    {
        Sim s;
        s.el("ga", 0).click();
        box(s, "Text2")->setText(QStringLiteral("77"));
        s.w->P_K().close();
        QVERIFY(s.w->isEnabled());
        QVERIFY(released(s, 0));
        QVERIFY(!s.w->existingLoadDialog());
        expectUsable(s, {0});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Loaded again with its design texts.
        s.el("ga", 0).click();
        QCOMPARE(box(s, "Text2")->text(), QStringLiteral("5"));
    }

    void escapeUnloadsTheSecondaryWindowsLikeTheirCloseBox()
    {
        Sim s;
        s.el("ga", 0).click();
        QTest::keyClick(&s.w->P_K(), Qt::Key_Escape);
        QVERIFY(s.w->isEnabled());
        QVERIFY(released(s, 0));
        QVERIFY(!s.w->existingLoadDialog());

        s.w->setEnabled(false);
        s.w->Amaiera().show();
        QTest::keyClick(&s.w->Amaiera(), Qt::Key_Escape);
        QVERIFY(s.w->isEnabled());
        QVERIFY(!s.w->existingResult());
    }

    void speedStaysWithinItsLevels()
    {
        Sim s;
        // Before the start-up cycle has ended the keys and buttons do nothing at all.
        s.w->commands().Form_KeyPress('+');
        s.el("Command2").click();
        QCOMPARE(s.el("Clk_T").text(), QStringLiteral("0"));
        QCOMPARE(s.fp.beeper.count, 0);

        QVERIFY(loadAndStart(s, QStringLiteral("5"), QStringLiteral("3")));
        const int beeps = s.fp.beeper.count;
        for (int i = 0; i < 10; ++i)
            s.w->commands().Form_KeyPress('+');
        QCOMPARE(s.el("Clk_T").text(), QStringLiteral("10"));
        expectIntervals(s, 301, 101);
        QCOMPARE(s.fp.beeper.count, beeps);

        s.el("Command2").click();
        QCOMPARE(s.fp.beeper.count, beeps + 1);
        QCOMPARE(s.el("Clk_T").text(), QStringLiteral("10"));
        expectIntervals(s, 301, 101);

        for (int i = 0; i < 10; ++i)
            s.el("Command1").click();
        QCOMPARE(s.el("Clk_T").text(), QStringLiteral("0"));
        expectIntervals(s, 801, 201);
        s.w->commands().Form_KeyPress('-');
        QCOMPARE(s.fp.beeper.count, beeps + 2);
        expectIntervals(s, 801, 201);

        s.w->commands().Form_KeyPress('x');
        QCOMPARE(s.el("Clk_T").text(), QStringLiteral("0"));
        QCOMPARE(s.fp.beeper.count, beeps + 2);
    }

    void keysReachTheSpeedFromAnywhereInTheWindow()
    {
        Sim s;
        QVERIFY(loadAndStart(s, QStringLiteral("5"), QStringLiteral("3")));
        QTest::keyClick(s.w->view().viewport(), '+');
        QTest::keyClick(s.w->view().viewport(), '+');
        QTest::keyClick(s.w->view().viewport(), '-');
        QCOMPARE(s.el("Clk_T").text(), QStringLiteral("1"));
    }

    void pauseHoldsTheClockWhileTheModeChanges()
    {
        Sim s;
        QVERIFY(loadAndStart(s, QStringLiteral("5"), QStringLiteral("3")));
        Timer& clock = s.w->control().clockTimer();

        // No mode yet: nothing to pause.
        s.el("ga", 2).click();
        QVERIFY(released(s, 2));
        QVERIFY(!clock.isEnabled());

        s.el("ga", 4).click();
        QVERIFY(clock.isEnabled());
        QVERIFY(pressed(s, 4));
        menu(s, "Eten_Segi").trigger();
        QVERIFY(!clock.isEnabled());
        QVERIFY(pressed(s, 2));

        s.el("ga", 6).click();
        QVERIFY(!clock.isEnabled());
        QVERIFY(pressed(s, 6));
        QVERIFY(released(s, 4));
        QVERIFY(s.w->control().rs.Agindu_oso_bat_Modua);
        QVERIFY(!s.w->control().rs.Martxan_etengabe_Modua);

        s.el("ga", 2).click();
        QVERIFY(clock.isEnabled());
        QVERIFY(released(s, 2));
    }

    void pauseStopsTheClockButNotAFillUnderWay_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("level 0") << 0;
        QTest::newRow("level 10") << 10;
    }
    void pauseStopsTheClockButNotAFillUnderWay()
    {
        QFETCH(int, level);
        Sim s;
        QVERIFY(loadAndStart(s, QStringLiteral("5"), QStringLiteral("3")));
        for (int i = 0; i < level; ++i)
            s.el("Command2").click();
        s.el("ga", 4).click();
        // The first tick is the edge of fetch1_has, which starts the fetch fill.
        QVERIFY(s.clock().advanceUntil([&] { return s.el("ASM_oraingo_egoera_G").text() == "fetch1"; }, 1000));
        Timer& fill = s.dp().busTimer(QStringLiteral("PC_Bus_Time"));
        QVERIFY(fill.isEnabled());
        const qint64 edgeAt = s.clock().now();
        s.clock().advance(fill.interval() * 2);
        s.el("ga", 2).click();  // pause in the middle of the fill
        const int16_t tick = G().Tik_Kontagailua;
        QVERIFY(s.clock().advanceUntil([&] { return !fill.isEnabled(); }, 10000));
        // The fill ran to its last tick, eight of its intervals after the edge,
        // while the clock stood still.
        QCOMPARE(s.clock().now() - edgeAt, qint64(8 * (201 - 10 * level)));
        QCOMPARE(s.el("Bus_Batu_PC_Gezia").picture(), QStringLiteral("pictures\\gezi_eskuin_gorria.bmp"));
        QCOMPARE(G().Tik_Kontagailua, tick);
        // It ends before tick 3 would serve the memory read, even at the fastest level.
        QVERIFY(8 * (201 - 10 * level) < 3 * (801 - 50 * level));
        s.el("ga", 2).click();
        QVERIFY(s.clock().advanceUntil([&] { return s.el("ASM_oraingo_egoera_G").text() == "fetch2"; }, 20000));
        QCOMPARE(s.el("IR1_DAT_G").text(), QStringLiteral("0000000000100000"));  // LD r1,A was fetched
    }

    void continueAfterAOneCycleStopDoesNothing()
    {
        Sim s;
        QVERIFY(loadAndStart(s, QStringLiteral("5"), QStringLiteral("3")));
        Timer& clock = s.w->control().clockTimer();
        s.el("ga", 5).click();
        QVERIFY(s.clock().advanceUntil([&] { return !clock.isEnabled(); }, 20000));
        QVERIFY(released(s, 5));
        s.el("ga", 2).click();
        QVERIFY(!clock.isEnabled());
        QVERIFY(released(s, 2));
    }

    void finishRestoresRestSpeedAndReleasesPause()
    {
        Sim s;
        QVERIFY(loadAndStart(s, QStringLiteral("5"), QStringLiteral("3")));
        for (int i = 0; i < 7; ++i)
            s.el("Command2").click();
        s.el("ga", 4).click();
        s.clock().advance(3000);
        s.el("ga", 2).click();
        QVERIFY(pressed(s, 2));

        menu(s, "Bukatu").trigger();
        QCOMPARE(s.el("Clk_T").text(), QStringLiteral("0"));
        expectIntervals(s, 801, 201);
        QVERIFY(released(s, 2));
        QVERIFY(released(s, 4));
        QCOMPARE(s.clock().armedCount(), 0);
        QCOMPARE(G().Agindu_Urratsa, int16_t(0));
        QCOMPARE(G().Tik_Kontagailua, int16_t(0));
        QVERIFY(s.w->control().rs.Lehen_Fetch);
        QVERIFY(!s.w->control().rs.anyMode());
        QCOMPARE(QString::fromStdString(MN().MN_Egitura_Kodea_Irakurri("4000")), QString(16, QLatin1Char('0')));
        expectUsable(s, {0});

        // Nothing runs on after Finish.
        s.clock().advance(10000);
        QCOMPARE(s.clock().armedCount(), 0);
        QCOMPARE(G().Tik_Kontagailua, int16_t(0));
    }

    void finishHidesTheZoomWindows()
    {
        Sim s;
        QVERIFY(loadAndStart(s, QStringLiteral("5"), QStringLiteral("3")));
        s.w->EM_Zoom().show();
        s.w->MN_Zoom().show();
        s.el("ga", 3).click();
        QVERIFY(!s.w->EM_Zoom().isVisible());
        QVERIFY(!s.w->MN_Zoom().isVisible());
        QVERIFY(!s.w->ASM_Zoom().isVisible());
    }

    void helpStartsTheViewerOnTheManualOfTheLanguage_data()
    {
        QTest::addColumn<bool>("spanish");
        QTest::addColumn<QString>("file");
        QTest::newRow("basque") << false << QStringLiteral("\\Pendro\\gidaliburua.chm");
        QTest::newRow("spanish") << true << QStringLiteral("\\Pendro\\manual.chm");
    }

    void helpStartsTheViewerOnTheManualOfTheLanguage()
    {
        QFETCH(bool, spanish);
        QFETCH(QString, file);
        Sim s(spanish);
        s.el("ga", 7).click();
        menu(s, "Nola_erabili").trigger();
        const QString expected = QStringLiteral("hh.exe ") + QCoreApplication::applicationDirPath() + file;
        QCOMPARE(s.fp.starter.started, QStringList({expected, expected}));
        // No viewer: the simulator carries on untouched.
        QVERIFY(s.fp.messages.shown.empty());
        QCOMPARE(s.quitCalls, 0);
        expectUsable(s, {0});
    }

    void exitEndsTheProgram()
    {
        Sim s;
        s.el("ga", 8).click();
        QCOMPARE(s.quitCalls, 1);
        menu(s, "Irten").trigger();
        QCOMPARE(s.quitCalls, 2);
        s.w->close();
        QCOMPARE(s.quitCalls, 3);
    }

    void aboutOpensAndCloses()
    {
        Sim s;
        menu(s, "About_Kovi").trigger();
        QVERIFY(s.w->A_B().isVisible());
        s.w->A_B().accept();
        QVERIFY(!s.w->A_B().isVisible());
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
