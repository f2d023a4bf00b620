// Fill animations on the virtual clock: the step counter tick by tick, what each
// animation leaves red at its end and what it must not touch, the memory read's
// hand-over of the word, and the durations.
#include "datapath_look.h"
#include "model/globals.h"

#include <QTest>

namespace {
constexpr int kInterval = 201;  // the bus timers' interval after start-up

struct Expected {
    const char* timer;
    void (Datapath::*start)();
    int ticks;
    int lastCounter;
    QStringList painted;
};

const QList<Expected>& animations()
{
    static const QList<Expected> all = {
        {"PC_Bus_Time", &Datapath::PC_Bus_Bete, 8, 70,
         {"Bus_PC_mux", "Bus_mux_MN", "Bus_PC_Rlag", "Bus_Bat_mux", "Bus_muxh4_Batu", "Bus_PC_muxh3", "Bus_muxh3_Batu",
          "Bus_Batu_PC"}},
        {"MN_Busak_Time", &Datapath::MN_Bus_Bete, 15, 136, {"Bus_MN_mux", "Bus_MN_IR1", "Bus_MN_IR2"}},
        {"IR2_Bus_Time", &Datapath::IR2_Bus_bete, 4, 20, {"Bus_IR2_muxh4", "Bus_Rd_EM", "Bus_IR2_mux", "Bus_mux_MN"}},
        {"EM_Bus_Time", &Datapath::EM_Bus_bete, 8, 154,
         {"Bus_EM_MN", "Bus_IR2_muxh4", "Bus_EM_RB", "Bus_IR2_mux", "Bus_mux_MN"}},
        {"EM_2_Bus_Time", &Datapath::EM_2_Bus_bete, 14, 154, {"Bus_EM_MN", "Bus_EM_RB", "Bus_EM_RA"}},
        {"EM_3_Bus_Time", &Datapath::EM_3_Bus_bete, 14, 154, {"Bus_EM_MN", "Bus_EM_RB"}},
        {"UAL_Bus_Time", &Datapath::UAL_Bus_bete, 4, 9, {"Bus_UAL_RZ"}},
        {"RZ_Bus_Time", &Datapath::RZ_Bus_bete, 11, 80, {"Bus_RZ_mux", "Bus_Rd_EM", "Bus_mux_EM"}},
        {"Rlag_Bus_Time", &Datapath::Rlag_Bus_bete, 11, 90,
         {"Bus_Rlag_mux", "Bus_IR2_muxh4", "Bus_IR2_mux", "Bus_muxh4_Batu", "Bus_muxh3_Batu", "Bus_Batu_PC"}},
    };
    return all;
}

void startLookAtSpeedZero(Sim& s)
{
    bringToStartLook(s);
    for (Timer* t : s.dp().busTimers())
        t->setInterval(kInterval);
}

// One tick of the running animation: the clock moves by exactly one interval.
void tick(Sim& s) { s.clock().advance(kInterval); }
}  // namespace

class TestAnimations : public QObject {
    Q_OBJECT
private slots:
    void eachAnimationPaintsItsBusesAndNothingElse_data();
    void eachAnimationPaintsItsBusesAndNothingElse();
    void aluBusTickByTick();
    void instructionFetchFirstTickFollowsTheDelays();
    void ir2BusStopsInItsFourthTick();
    void memoryReadHandsTheWordToItsBuses();
    void memoryReadIntoRegisterSetDuringLd();
    void restartingAfterFinishRunsTheWholeAnimation();
};

void TestAnimations::eachAnimationPaintsItsBusesAndNothingElse_data()
{
    QTest::addColumn<int>("which");
    for (int i = 0; i < animations().size(); ++i)
        QTest::newRow(animations()[i].timer) << i;
}

void TestAnimations::eachAnimationPaintsItsBusesAndNothingElse()
{
    QFETCH(int, which);
    const Expected& a = animations()[which];
    Sim s;
    startLookAtSpeedZero(s);
    Timer& timer = s.dp().busTimer(a.timer);
    QVERIFY(!timer.isEnabled());
    s.dp().Bus_Urratsa = 99;
    const qint64 t0 = s.clock().now();
    (s.dp().*a.start)();
    QCOMPARE(s.dp().Bus_Urratsa, int16_t(0));
    QVERIFY(timer.isEnabled());

    QVERIFY(s.clock().advanceUntil([&] { return !timer.isEnabled(); }, 100000));
    QCOMPARE(s.clock().now() - t0, qint64(a.ticks) * kInterval);
    QCOMPARE(int(s.dp().Bus_Urratsa), a.lastCounter);
    for (const QString& bus : allBuses()) {
        if (a.painted.contains(bus))
            QVERIFY2(busLooks(s, bus, colour::Red, "gorria"), qPrintable(bus + " " + piecesNot(s, bus, colour::Red).join(' ')));
        else
            QVERIFY2(busLooks(s, bus, colour::Window, "txuria"), qPrintable(bus));
    }
    // Nothing else runs afterwards.
    for (Timer* t : s.dp().busTimers())
        QVERIFY(!t->isEnabled());
    QCOMPARE(s.clock().armedCount(), 0);
}

void TestAnimations::aluBusTickByTick()
{
    Sim s;
    startLookAtSpeedZero(s);
    s.dp().UAL_Bus_bete();
    const QList<int> counters = {3, 6, 9, 9};
    for (int t = 0; t < 4; ++t) {
        tick(s);
        QCOMPARE(int(s.dp().Bus_Urratsa), counters[t]);
        const int lastRed = t < 3 ? 3 * t + 2 : 9;
        for (int k = 0; k < 10; ++k)
            QCOMPARE(s.el("Bus_UAL_RZ", k).back(), k <= lastRed ? colour::Red : colour::Window);
        QCOMPARE(arrowOf(s, "Bus_UAL_RZ").picture(),
                 t < 3 ? QStringLiteral("pictures\\gezi_ezker_txuria.bmp")
                       : QStringLiteral("pictures\\gezi_ezker_gorria.bmp"));
    }
    QVERIFY(!s.dp().busTimer("UAL_Bus_Time").isEnabled());
}

void TestAnimations::instructionFetchFirstTickFollowsTheDelays()
{
    Sim s;
    startLookAtSpeedZero(s);
    s.dp().PC_Bus_Bete();
    tick(s);  // steps 0..9
    QCOMPARE(int(s.dp().Bus_Urratsa), 10);
    // Red pieces per array after steps 0..9: its delay decides where it starts.
    const QList<QPair<QString, int>> red = {{"Bus_PC_mux", 10},    {"Bus_Bat_mux", 6},   {"Bus_PC_Rlag", 6},
                                            {"Bus_muxh4_Batu", 3}, {"Bus_PC_muxh3", 0},  {"Bus_mux_MN", 0},
                                            {"Bus_muxh3_Batu", 0}, {"Bus_Batu_PC", 0}};
    for (const auto& [bus, n] : red) {
        const auto& pieces = s.w->diagram().members(bus);
        for (int k = 0; k < pieces.size(); ++k)
            QVERIFY2(pieces[k]->back() == (k < n ? colour::Red : colour::Window), qPrintable(pieces[k]->id()));
    }
    // Only the constant one's arrow (step 6) has been reached.
    QCOMPARE(arrowOf(s, "Bus_Bat_mux").picture(), QStringLiteral("pictures\\gezi_ezker_gorria.bmp"));
    QCOMPARE(arrowOf(s, "Bus_PC_mux").picture(), QStringLiteral("pictures\\gezi_eskuin_txuria.bmp"));

    for (int t = 2; t <= 7; ++t)
        tick(s);
    // Before the closing tick the adder's output bus is untouched.
    QVERIFY(busLooks(s, "Bus_Batu_PC", colour::Window, "txuria"));
    QCOMPARE(arrowOf(s, "Bus_muxh3_Batu").picture(), QStringLiteral("pictures\\gezi_eskuin_txuria.bmp"));
    tick(s);
    QVERIFY(busLooks(s, "Bus_Batu_PC", colour::Red, "gorria"));
    QVERIFY(busLooks(s, "Bus_muxh3_Batu", colour::Red, "gorria"));
}

void TestAnimations::ir2BusStopsInItsFourthTick()
{
    Sim s;
    startLookAtSpeedZero(s);
    s.dp().IR2_Bus_bete();
    Timer& timer = s.dp().busTimer("IR2_Bus_Time");
    for (int t = 1; t <= 3; ++t) {
        tick(s);
        QCOMPARE(int(s.dp().Bus_Urratsa), 5 * t);
        QVERIFY(timer.isEnabled());
    }
    QCOMPARE(arrowOf(s, "Bus_mux_MN").picture(), QStringLiteral("pictures\\gezi_eskuin_txuria.bmp"));
    tick(s);
    QCOMPARE(int(s.dp().Bus_Urratsa), 20);
    QVERIFY(!timer.isEnabled());
    QCOMPARE(arrowOf(s, "Bus_mux_MN").picture(), QStringLiteral("pictures\\gezi_eskuin_gorria.bmp"));
}

void TestAnimations::memoryReadHandsTheWordToItsBuses()
{
    Sim s;
    startLookAtSpeedZero(s);
    const QString word = QStringLiteral("0010010001000010");
    s.el("MN_DAT_G").setText(word);
    G().MN_Busak_Zain = true;
    s.dp().MN_Bus_Bete();
    QVERIFY(!G().MN_Busak_Zain);

    for (int t = 1; t <= 13; ++t)
        tick(s);
    QCOMPARE(int(s.dp().Bus_Urratsa), 130);
    // The word is not on the buses before the fill reaches the trunk's end.
    QVERIFY(tipsNot(s, "Bus_MN_IR1", "zzzzzzzzzzzzzzzz").isEmpty());
    QCOMPARE(s.el("Bus_MN_mux", 129).back(), colour::Red);
    QCOMPARE(s.el("Bus_MN_mux", 130).back(), colour::Window);

    tick(s);  // 14
    QCOMPARE(int(s.dp().Bus_Urratsa), 136);
    QVERIFY(busLooks(s, "Bus_MN_mux", colour::Red, "gorria"));
    for (const char* bus : {"Bus_MN_mux", "Bus_MN_IR1", "Bus_MN_IR2"})
        QVERIFY(tipsNot(s, bus, word).isEmpty());

    tick(s);  // 15: mux2 selects RZ, so the register set's data bus is left as it was
    QVERIFY(!s.dp().busTimer("MN_Busak_Time").isEnabled());
    QVERIFY(busLooks(s, "Bus_mux_EM", colour::Window, "txuria"));
    QVERIFY(tipsNot(s, "Bus_mux_EM", "0000000000000000").isEmpty());
}

void TestAnimations::memoryReadIntoRegisterSetDuringLd()
{
    Sim s;
    startLookAtSpeedZero(s);
    s.el("mux2_1_G").setBack(colour::Green);  // as ld1 selects the memory
    s.el("mux2_0_G").setBack(colour::Window);
    const QString word = QStringLiteral("0000000000101010");
    s.el("MN_DAT_G").setText(word);
    s.dp().MN_Bus_Bete();
    for (int t = 1; t <= 14; ++t)
        tick(s);
    QVERIFY(busLooks(s, "Bus_mux_EM", colour::Window, "txuria"));
    tick(s);
    QVERIFY(busLooks(s, "Bus_mux_EM", colour::Red, "gorria"));
    QVERIFY(tipsNot(s, "Bus_mux_EM", word).isEmpty());
    QVERIFY(!s.dp().busTimer("MN_Busak_Time").isEnabled());
}

void TestAnimations::restartingAfterFinishRunsTheWholeAnimation()
{
    // Finish switches a running animation off half-way; the next start must run
    // the whole animation again, not resume at the closing ticks.
    Sim s;
    startLookAtSpeedZero(s);
    s.dp().EM_2_Bus_bete();
    for (int t = 1; t <= 5; ++t)
        tick(s);
    for (Timer* t : s.dp().busTimers())
        t->setEnabled(false);
    bringToStartLook(s);

    const qint64 t0 = s.clock().now();
    s.dp().EM_2_Bus_bete();
    Timer& timer = s.dp().busTimer("EM_2_Bus_Time");
    QVERIFY(s.clock().advanceUntil([&] { return !timer.isEnabled(); }, 100000));
    QCOMPARE(s.clock().now() - t0, qint64(14) * kInterval);
    QVERIFY(busLooks(s, "Bus_EM_MN", colour::Red, "gorria"));
    QVERIFY(busLooks(s, "Bus_EM_RA", colour::Red, "gorria"));
}

QTEST_MAIN(TestAnimations)
#include "tst_animations.moc"
