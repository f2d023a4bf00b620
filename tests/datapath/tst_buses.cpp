// Buses: the values they carry from start-up on, resets, set-value operations,
// the register-number cutters and the info look.
#include "datapath_look.h"

#include <QTest>

namespace {
const QString kZ = QStringLiteral("zzzzzzzzzzzzzzzz");
const QString kZero = QStringLiteral("0000000000000000");
const QString kPC = QStringLiteral("0100000000000000");
const QString kOne = QStringLiteral("0000000000000001");
}  // namespace

class TestBuses : public QObject {
    Q_OBJECT
private slots:
    void startLookCarriesEverySourcesValue();
    void setValueWritesEveryPieceAndArrowOfItsBusesOnly();
    void setValueOnARedBusChangesOnlyTooltips();
    void resetsOfMemoryAndRegisterSetBuses();
    void cuttersTakeTheRegisterFields();
    void cuttersSurviveAShortInstructionText();
    void infoPaintsTealKeepingDirectionAndValues();
    void mux2InfoOffAndPaintRed();
};

void TestBuses::startLookCarriesEverySourcesValue()
{
    Sim s;
    bringToStartLook(s);
    for (const QString& bus : allBuses())
        QVERIFY2(busLooks(s, bus, colour::Window, "txuria"), qPrintable(bus));

    const QList<QPair<QStringList, QString>> carried = {
        {{"Bus_MN_mux", "Bus_MN_IR1", "Bus_MN_IR2"}, kZ},
        {{"Bus_EM_MN", "Bus_EM_RB", "Bus_EM_RA"}, kZero},
        {{"Bus_Rd_EM", "Bus_Ri_EM", "Bus_Rj_EM"}, QStringLiteral("00000")},
        {{"Bus_PC_mux", "Bus_PC_Rlag", "Bus_PC_muxh3", "Bus_muxh3_Batu", "Bus_mux_MN"}, kPC},
        {{"Bus_Batu_PC"}, QStringLiteral("0100000000000001")},
        {{"Bus_muxh4_Batu", "Bus_Bat_mux"}, kOne},
        {{"Bus_IR2_muxh4", "Bus_IR2_mux", "Bus_Rlag_mux", "Bus_RA_UAL", "Bus_RB_UAL", "Bus_RZ_mux", "Bus_UAL_RZ",
          "Bus_mux_EM"},
         kZero},
    };
    int buses = 0;
    for (const auto& [names, value] : carried)
        for (const QString& bus : names) {
            ++buses;
            const QStringList wrong = tipsNot(s, bus, value);
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(' ')));
        }
    QCOMPARE(buses, allBuses().size());
    QCOMPARE(s.el("MN_DAT_G").text(), kZ);
    for (const char* field : {"Rd_G", "Ri_G", "Rj_G"})
        for (int i : {0, 1})
            QCOMPARE(s.el(field, i).tip(), QStringLiteral("00000"));
}

void TestBuses::setValueWritesEveryPieceAndArrowOfItsBusesOnly()
{
    using Set = void (Datapath::*)(const QString&);
    const QList<QPair<Set, QStringList>> setters = {
        {&Datapath::MN_Bus_TTT_aldatu, {"Bus_MN_mux", "Bus_MN_IR1", "Bus_MN_IR2"}},
        {&Datapath::IR_Bus_TTT_aldatu, {"Bus_IR2_muxh4", "Bus_IR2_mux"}},
        {&Datapath::Batu_Bus_TTT_aldatu, {"Bus_Batu_PC"}},
        {&Datapath::PC_Bus_TTT_aldatu, {"Bus_PC_mux", "Bus_PC_Rlag", "Bus_PC_muxh3"}},
        {&Datapath::Rlag_Bus_TTT_aldatu, {"Bus_Rlag_mux"}},
        {&Datapath::RA_Bus_TTT_aldatu, {"Bus_RA_UAL"}},
        {&Datapath::RB_Bus_TTT_aldatu, {"Bus_RB_UAL"}},
        {&Datapath::RZ_Bus_TTT_aldatu, {"Bus_RZ_mux"}},
        {&Datapath::Muxh4_Bus_TTT_aldatu, {"Bus_muxh4_Batu"}},
        {&Datapath::Muxh3_Bus_TTT_aldatu, {"Bus_muxh3_Batu"}},
        {&Datapath::Bat_Bus_TTT_aldatu, {"Bus_Bat_mux"}},
        {&Datapath::Rd_Bus_TTT_aldatu, {"Bus_Rd_EM"}},
        {&Datapath::Ri_Bus_TTT_aldatu, {"Bus_Ri_EM"}},
        {&Datapath::Rj_Bus_TTT_aldatu, {"Bus_Rj_EM"}},
        {&Datapath::UAL_Bus_TTT_aldatu, {"Bus_UAL_RZ"}},
        {&Datapath::Mux1_Bus_TTT_aldatu, {"Bus_mux_MN"}},
        {&Datapath::Mux2_Bus_TTT_aldatu, {"Bus_mux_EM"}},
    };
    Sim s;
    bringToStartLook(s);
    const QString value = QStringLiteral("1010101010101010");
    for (const auto& [set, buses] : setters) {
        QMap<QString, QString> before;
        for (const QString& bus : allBuses())
            before[bus] = arrowOf(s, bus).tip();
        (s.dp().*set)(value);
        for (const QString& bus : allBuses()) {
            const QString expected = buses.contains(bus) ? value : before[bus];
            const QStringList wrong = tipsNot(s, bus, expected);
            QVERIFY2(wrong.isEmpty(), qPrintable(buses.first() + ": " + wrong.join(' ')));
        }
        (s.dp().*set)(kZero);  // back to a value no other bus has been given
    }

    // The two ports: port i on the memory data-in trunk and its branch to RB, port j to RA.
    s.dp().EM_Bus_TTT_aldatu(QStringLiteral("1111000011110000"), QStringLiteral("0000111100001111"));
    QVERIFY(tipsNot(s, "Bus_EM_MN", "1111000011110000").isEmpty());
    QVERIFY(tipsNot(s, "Bus_EM_RB", "1111000011110000").isEmpty());
    QVERIFY(tipsNot(s, "Bus_EM_RA", "0000111100001111").isEmpty());
    // Keeping one port by reading it back from piece 0, as the state actions do.
    s.dp().EM_Bus_TTT_aldatu(s.el("Bus_EM_MN", 0).tip(), QStringLiteral("0101010101010101"));
    QVERIFY(tipsNot(s, "Bus_EM_MN", "1111000011110000").isEmpty());
    QVERIFY(tipsNot(s, "Bus_EM_RA", "0101010101010101").isEmpty());
}

void TestBuses::setValueOnARedBusChangesOnlyTooltips()
{
    Sim s;
    bringToStartLook(s);
    s.dp().UAL_Bus_bete();
    s.clock().advanceUntil([&] { return !s.dp().busTimer("UAL_Bus_Time").isEnabled(); }, 10000);
    QVERIFY(busLooks(s, "Bus_UAL_RZ", colour::Red, "gorria"));
    const int loads = s.fp.pictures.loaded.size();

    s.dp().UAL_Bus_TTT_aldatu(QStringLiteral("0000000000000111"));
    QVERIFY(busLooks(s, "Bus_UAL_RZ", colour::Red, "gorria"));
    QCOMPARE(s.fp.pictures.loaded.size(), loads);
    QVERIFY(tipsNot(s, "Bus_UAL_RZ", "0000000000000111").isEmpty());
}

void TestBuses::resetsOfMemoryAndRegisterSetBuses()
{
    Sim s;
    bringToStartLook(s);
    // A word read from memory, on buses filled red.
    const QString word = QStringLiteral("0011001100110011");
    s.el("MN_DAT_G").setText(word);
    s.dp().MN_Bus_TTT_aldatu(word);
    s.dp().paintRed("Bus_MN_mux");
    s.dp().MN_Bus_has();
    QCOMPARE(s.el("MN_DAT_G").text(), kZ);
    for (const char* bus : {"Bus_MN_mux", "Bus_MN_IR1", "Bus_MN_IR2"}) {
        QVERIFY(tipsNot(s, bus, kZ).isEmpty());
        QVERIFY(busLooks(s, bus, colour::Window, "txuria"));
    }

    // The register-set outputs go idle but keep the port values.
    s.dp().EM_Bus_TTT_aldatu(word, QStringLiteral("1100110011001100"));
    s.dp().EM_info_i();
    s.dp().EM_info_j();
    s.dp().EM_Bus_has();
    for (const char* bus : {"Bus_EM_MN", "Bus_EM_RB", "Bus_EM_RA"})
        QVERIFY2(busLooks(s, bus, colour::Window, "txuria"), bus);
    QVERIFY(tipsNot(s, "Bus_EM_MN", word).isEmpty());
    QVERIFY(tipsNot(s, "Bus_EM_RB", word).isEmpty());
    QVERIFY(tipsNot(s, "Bus_EM_RA", "1100110011001100").isEmpty());

    // The other resets copy their source again: RA and RB each onto their own bus,
    // mux1 from PC and mux2 from the ALU.
    s.el("RA_DAT_G").setText(QStringLiteral("0000000000000010"));
    s.el("RB_DAT_G").setText(QStringLiteral("0000000000000011"));
    s.el("PC_DAT_G").setText(QStringLiteral("0100000000000101"));
    s.el("UAL_DAT_G").setText(QStringLiteral("0000000000000101"));
    s.dp().RA_RB_Bus_has();
    s.dp().Mux_Bus_has();
    QVERIFY(tipsNot(s, "Bus_RA_UAL", "0000000000000010").isEmpty());
    QVERIFY(tipsNot(s, "Bus_RB_UAL", "0000000000000011").isEmpty());
    QVERIFY(tipsNot(s, "Bus_mux_MN", "0100000000000101").isEmpty());
    QVERIFY(tipsNot(s, "Bus_mux_EM", "0000000000000101").isEmpty());
}

void TestBuses::cuttersTakeTheRegisterFields()
{
    Sim s;
    bringToStartLook(s);
    s.dp().Rd_info();
    s.el("IR1_DAT_G").setText(QStringLiteral("0010010001000010"));  // ADD r2,r2,r3
    s.el("IR2_DAT_G").setText(QStringLiteral("0000000000000011"));
    s.dp().Rd_aldatu();
    s.dp().Ri_aldatu();
    s.dp().Rj_aldatu();
    const QList<QPair<QString, QString>> fields = {{"Rd", "00010"}, {"Ri", "00010"}, {"Rj", "00011"}};
    for (const auto& [f, value] : fields) {
        QCOMPARE(s.el(f + "_G", 0).tip(), value);
        QCOMPARE(s.el(f + "_G", 1).tip(), value);
        QVERIFY(tipsNot(s, "Bus_" + f + "_EM", value).isEmpty());
    }
    QVERIFY(busLooks(s, "Bus_Rd_EM", colour::Teal, "info"));  // the cutters leave the look alone

    // Distinct fields, so a cut one place off shows.
    s.el("IR1_DAT_G").setText(QStringLiteral("0000001011001101"));
    s.dp().Rd_aldatu();
    s.dp().Ri_aldatu();
    QCOMPARE(s.el("Rd_G", 1).tip(), QStringLiteral("10110"));
    QCOMPARE(s.el("Ri_G", 1).tip(), QStringLiteral("01101"));
    // The register-address buses' resets read member 1.
    s.el("Rd_G", 1).setTip(QStringLiteral("11111"));
    s.dp().Rd_Bus_has();
    QVERIFY(tipsNot(s, "Bus_Rd_EM", "11111").isEmpty());
}

void TestBuses::cuttersSurviveAShortInstructionText()
{
    Sim s;
    bringToStartLook(s);
    s.el("IR1_DAT_G").setText(QStringLiteral("00100100"));
    s.el("IR2_DAT_G").setText(QString());
    s.dp().Rd_aldatu();
    s.dp().Ri_aldatu();
    s.dp().Rj_aldatu();
    QCOMPARE(s.el("Rd_G", 1).tip(), QStringLiteral("00"));
    QVERIFY(tipsNot(s, "Bus_Ri_EM", QString()).isEmpty());
    QVERIFY(tipsNot(s, "Bus_Rj_EM", QString()).isEmpty());
}

void TestBuses::infoPaintsTealKeepingDirectionAndValues()
{
    using Op = void (Datapath::*)();
    const QList<QPair<Op, QStringList>> ops = {
        {&Datapath::PC_info, {"Bus_PC_mux", "Bus_PC_Rlag", "Bus_PC_muxh3"}},
        {&Datapath::Batu_info, {"Bus_Batu_PC"}},
        {&Datapath::Rlag_info, {"Bus_Rlag_mux"}},
        {&Datapath::IR2_info, {"Bus_IR2_muxh4", "Bus_IR2_mux"}},
        {&Datapath::MN_info, {"Bus_MN_mux", "Bus_MN_IR1", "Bus_MN_IR2"}},
        {&Datapath::EM_info_i, {"Bus_EM_MN", "Bus_EM_RB"}},
        {&Datapath::EM_info_j, {"Bus_EM_RA"}},
        {&Datapath::RA_info, {"Bus_RA_UAL"}},
        {&Datapath::RB_info, {"Bus_RB_UAL"}},
        {&Datapath::UAL_info, {"Bus_UAL_RZ"}},
        {&Datapath::RZ_info, {"Bus_RZ_mux"}},
        {&Datapath::Muxh3_info, {"Bus_muxh3_Batu"}},
        {&Datapath::Muxh4_info, {"Bus_muxh4_Batu"}},
        {&Datapath::Bat_info, {"Bus_Bat_mux"}},
        {&Datapath::Rd_info, {"Bus_Rd_EM"}},
        {&Datapath::Ri_info, {"Bus_Ri_EM"}},
        {&Datapath::Rj_info, {"Bus_Rj_EM"}},
        {&Datapath::mux1_info, {"Bus_mux_MN"}},
        {&Datapath::mux2_info, {"Bus_mux_EM"}},
    };
    for (const auto& [op, buses] : ops) {
        Sim s;
        bringToStartLook(s);
        QMap<QString, QString> values;
        for (const QString& bus : allBuses())
            values[bus] = arrowOf(s, bus).tip();
        (s.dp().*op)();
        for (const QString& bus : allBuses()) {
            const bool painted = buses.contains(bus);
            QVERIFY2(painted ? busLooks(s, bus, colour::Teal, "info") : busLooks(s, bus, colour::Window, "txuria"),
                     qPrintable(buses.first() + " -> " + bus));
            QVERIFY(tipsNot(s, bus, values[bus]).isEmpty());
        }
    }
    // The arrows keep their idle direction in the info look.
    Sim s;
    s.dp().IR2_info();
    QCOMPARE(arrowOf(s, "Bus_IR2_muxh4").picture(), QStringLiteral("pictures\\gezi_ezker_info.bmp"));
    QCOMPARE(arrowOf(s, "Bus_IR2_mux").picture(), QStringLiteral("pictures\\gezi_eskuin_info.bmp"));
    s.dp().EM_info_i();
    QCOMPARE(arrowOf(s, "Bus_EM_MN").picture(), QStringLiteral("pictures\\gezi_gora_info.bmp"));
    QCOMPARE(arrowOf(s, "Bus_EM_RB").picture(), QStringLiteral("pictures\\gezi_behera_info.bmp"));
}

void TestBuses::mux2InfoOffAndPaintRed()
{
    Sim s;
    bringToStartLook(s);
    s.dp().mux2_info();
    s.dp().mux2_info_itzali();
    QVERIFY(busLooks(s, "Bus_mux_EM", colour::Window, "txuria"));

    for (const char* bus : {"Bus_Ri_EM", "Bus_Rj_EM"}) {
        s.dp().paintRed(bus);
        QVERIFY(busLooks(s, bus, colour::Red, "gorria"));
        QVERIFY(tipsNot(s, bus, "00000").isEmpty());
    }
    QVERIFY(busLooks(s, "Bus_Rd_EM", colour::Window, "txuria"));
}

QTEST_MAIN(TestBuses)
#include "tst_buses.moc"
