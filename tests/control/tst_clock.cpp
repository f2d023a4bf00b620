// The clock: the tick table, the memory service of tick 3, the end of the
// start-up cycle, the one-cycle stop and the edge display.
#include "cu_machine.h"

#include "control/commands.h"
#include "datapath/datapath.h"

#include <QAction>
#include <QElapsedTimer>
#include <QtTest>

namespace {
const char* const kEdgeMarks[] = {"EM_CLK_G",  "RA_CLK_G",  "RB_CLK_G", "RZ_CLK_G",
                                  "IR1_CLK_G", "IR2_CLK_G", "PC_CLK_G", "Rlag_CLK_G"};
QString word(int n) { return QString::fromStdString(Hamartarretik_Bitarrera(n)); }
}  // namespace

class TestClock : public QObject {
    Q_OBJECT
private slots:
    void startUpCycleEndsReadyToRun();
    void firstEdgeThenTicksTurnTheClockPictureAndMarks();
    void oneCycleModeRunsOneEdgeAndStopsAtTick11();
    void tick3ReadsThenWritesMemoryAndSpotsTheEnd();
    void addressesBeyondMemoryNeitherCrashNorWrite();
    void everyEdgeOfAWholeRunBeepsOnceAndLightsOneZoomBox();
};

void TestClock::startUpCycleEndsReadyToRun()
{
    Machine m;
    m.s.w->s_h_timer().setEnabled(true);
    QVERIFY(m.startUp());

    QCOMPARE(G().Tik_Kontagailua, int16_t(11));
    QCOMPARE(G().Agindu_Urratsa, int16_t(0));
    QCOMPARE(m.s.el("Erlojua_G").picture(), QStringLiteral("clocks\\t11.bmp"));
    QCOMPARE(m.clock().interval(), 801);
    QVERIFY(!m.s.w->s_h_timer().isEnabled());
    QVERIFY(!m.rs().Erloju_ziklo_bat_Modua);
    QVERIFY(m.rs().Lehen_Fetch);  // cleared only by the first edge
    QVERIFY(m.s.el("F_erlojua").isEnabled());
    const std::pair<int, const char*> commands[] = {
        {2, "Eten_Segi"}, {3, "Bukatu"}, {4, "Martxan_etengabe"}, {5, "Erloju_ziklo_bat"}, {6, "Agindu_oso_bat"}};
    for (const auto& [entry, menu] : commands) {
        QVERIFY2(m.s.el("ga", entry).isEnabled(), menu);
        QVERIFY2(m.s.w->menu(QLatin1String(menu)).isEnabled(), menu);
    }
    QCOMPARE(m.s.el("ga", 1).back(), colour::Window);
    QCOMPARE(m.s.el("ga", 1).fore(), colour::ButtonText);
    QCOMPARE(m.s.el("ASM_orain_ego_Seinaleak_G", 1).back(), colour::Window);
    QCOMPARE(m.beeps(), 0);  // no edge in the start-up cycle
    QCOMPARE(m.current(), QString());
}

void TestClock::firstEdgeThenTicksTurnTheClockPictureAndMarks()
{
    Machine m;
    QVERIFY(m.startUp());
    m.runContinuously();
    m.nextTick();  // the very first tick is the edge of fetch1_has
    QCOMPARE(G().Tik_Kontagailua, int16_t(0));
    QCOMPARE(m.beeps(), 1);
    QCOMPARE(m.current(), QStringLiteral("fetch1"));
    QCOMPARE(m.s.el("ASM_aurreko_egoera_G").text(), QString());  // fetch1_has writes, never shifts
    QCOMPARE(m.s.el("ASM_hurrengo_egoera_G").text(), QStringLiteral("fetch2"));
    QVERIFY(!m.rs().Lehen_Fetch);
    QCOMPARE(G().Agindu_Urratsa, int16_t(1));
    QCOMPARE(m.s.el("Erlojua_G").picture(), QStringLiteral("clocks\\t12.bmp"));
    for (const char* mark : kEdgeMarks)
        QVERIFY2(m.s.el(QLatin1String(mark)).back() == colour::Green, mark);
    QCOMPARE(m.s.el("ASM_orain_ego_Seinaleak_G", 1).back(), colour::Green);

    for (int tick = 1; tick <= 11; ++tick) {
        m.nextTick();
        QCOMPARE(G().Tik_Kontagailua, int16_t(tick));
        QCOMPARE(m.s.el("Erlojua_G").picture(), QStringLiteral("clocks\\t%1.bmp").arg(tick));
        if (tick == 1) {
            for (const char* mark : kEdgeMarks)
                QVERIFY2(m.s.el(QLatin1String(mark)).back() == colour::Window, mark);
            // The current signal box keeps its edge colour through the cycle.
            QCOMPARE(m.s.el("ASM_orain_ego_Seinaleak_G", 1).back(), colour::Green);
        }
    }
    m.nextTick();
    QCOMPARE(G().Tik_Kontagailua, int16_t(0));
    QCOMPARE(m.current(), QStringLiteral("fetch2"));
    QCOMPARE(m.s.el("ASM_aurreko_egoera_G").text(), QStringLiteral("fetch1"));
}

void TestClock::oneCycleModeRunsOneEdgeAndStopsAtTick11()
{
    Machine m;
    QVERIFY(m.startUp());
    for (const char* expected : {"fetch1", "fetch2", "desk"}) {
        m.rs().Erloju_ziklo_bat_Modua = true;
        m.s.el("ga", 5).setBack(colour::Red);
        m.clock().setEnabled(true);
        QVERIFY(m.s.clock().advanceUntil([&] { return !m.clock().isEnabled(); }, 20000));
        QCOMPARE(m.current(), QLatin1String(expected));
        QCOMPARE(G().Tik_Kontagailua, int16_t(11));
        QCOMPARE(m.s.el("Erlojua_G").picture(), QStringLiteral("clocks\\t11.bmp"));
        QCOMPARE(m.s.el("ga", 5).back(), colour::Window);
        QCOMPARE(m.s.el("ASM_orain_ego_Seinaleak_G", 1).back(), colour::Window);
        QVERIFY(!m.rs().Erloju_ziklo_bat_Modua);
    }
    QCOMPARE(m.beeps(), 3);
}

void TestClock::tick3ReadsThenWritesMemoryAndSpotsTheEnd()
{
    Machine m;
    // A read of 0003H and, in the same tick, a write of 42 to 0002H.
    m.s.el("Bus_mux_MN_Gezia").setTip(word(3));
    m.s.el("IR2_DAT_G").setText(word(2));
    m.s.el("Bus_EM_MN_Gezia").setTip(word(42));
    G().MN_Busak_Zain = true;
    G().MN_Idatzi_Zain = true;
    G().Tik_Kontagailua = 2;
    m.cu().Timer_Timer();

    QVERIFY(!G().MN_Busak_Zain);
    QVERIFY(!G().MN_Idatzi_Zain);
    // The write came second: the memory box shows the written word, not the read one.
    QCOMPARE(m.s.el("MN_DAT_G").text(), word(42));
    const MN_Egitura written = MN().record("2");
    QCOMPARE(written.k, Hamartarretik_Bitarrera(42));
    QCOMPARE(written.A, std::string(":EMAITZA"));
    QCOMPARE(written.AK, int16_t(-1));
    QCOMPARE(MN().record("3").k, std::string("1111111111111111"));  // the read does not write

    // A read alone shows the word at the address.
    m.s.el("Bus_mux_MN_Gezia").setTip(word(0x4000));
    G().MN_Busak_Zain = true;
    G().Tik_Kontagailua = 2;
    m.cu().Timer_Timer();
    QCOMPARE(m.s.el("MN_DAT_G").text(), QStringLiteral("0000000000100000"));

    // Only a read of 4010H, the program's last instruction, marks the end.
    auto readAt = [&](int address) {
        m.s.el("Bus_mux_MN_Gezia").setTip(word(address));
        G().MN_Busak_Zain = true;
        G().Tik_Kontagailua = 2;
        m.cu().Timer_Timer();
    };
    for (int address : {0x4000, 0x400F, 0x4011, 0x0010, 0x8010}) {
        readAt(address);
        QVERIFY2(!m.rs().Programa_Bukatuta, qPrintable(QString::number(address, 16)));
    }
    readAt(0x4010);
    QVERIFY(m.rs().Programa_Bukatuta);
    readAt(0x4000);
    QVERIFY(m.rs().Programa_Bukatuta);  // only Finish clears it
}

void TestClock::addressesBeyondMemoryNeitherCrashNorWrite()
{
    Machine m;
    m.s.el("Bus_mux_MN_Gezia").setTip(word(0xFFFF));
    m.s.el("IR2_DAT_G").setText(word(0x9000));
    m.s.el("Bus_EM_MN_Gezia").setTip(word(7));
    G().MN_Busak_Zain = true;
    G().Tik_Kontagailua = 2;
    m.cu().Timer_Timer();
    QCOMPARE(m.s.el("MN_DAT_G").text(), QString());  // an empty word, as the memory has none there

    const std::string wrapped = MN().record("1000").k;
    G().MN_Idatzi_Zain = true;
    G().Tik_Kontagailua = 2;
    m.cu().Timer_Timer();
    QCOMPARE(MN().record("9000").k, std::string());
    QCOMPARE(MN().record("1000").k, wrapped);  // not wrapped into memory either

    // A whole run whose first LD points beyond memory still ends normally.
    Machine run;
    MN().MN_Egitura_Aldatu("4001", "1001000000000000", "", 0);
    QVERIFY(run.startUp());
    run.runContinuously();
    run.runToStop();
    QVERIFY(run.rs().Lehen_Fetch);
    QVERIFY(!run.s.w->isEnabled());  // behind the result window
}

void TestClock::everyEdgeOfAWholeRunBeepsOnceAndLightsOneZoomBox()
{
    Machine m;
    QVERIFY(m.startUp());

    // The costliest single tick of a whole run, for the record.
    qint64 longestNs = 0;
    m.clock().setHandler([&] {
        QElapsedTimer t;
        t.start();
        m.cu().Timer_Timer();
        longestNs = std::max(longestNs, t.nsecsElapsed());
    });

    m.runContinuously();
    int edges = 0;
    AsmZoom& zoom = m.s.w->ASM_Zoom();
    while (m.clock().isEnabled() && edges < 400 && m.nextEdge()) {
        ++edges;
        QCOMPARE(m.beeps(), edges);
        if (!m.clock().isEnabled())
            break;  // the end-of-program stop has cleared every box
        int green = 0;
        for (const QString& box : AsmZoom::boxNames())
            green += zoom.box(box) == colour::Green;
        QVERIFY2(green == 1, qPrintable(m.current()));
        QCOMPARE(zoom.box(QStringLiteral("ASM_") + (m.current() == "desk" ? QStringLiteral("desk") : m.current())),
                 colour::Green);
    }
    QVERIFY(!m.clock().isEnabled());
    QCOMPARE(edges, 96);
    for (const QString& box : AsmZoom::boxNames())
        QCOMPARE(zoom.box(box), colour::Window);
    qInfo("longest clock tick of a 5x3 run: %lld us", longestNs / 1000);
}

QTEST_MAIN(TestClock)
#include "tst_clock.moc"
