// The state actions on the demonstration program: the order of the states, the
// registers and memory after each instruction, the ASM panel in both languages,
// the instruction captions and the one-instruction stop.
#include "cu_machine.h"

#include "windows/main_window.h"
#include "windows/result_window.h"

#include <QtTest>

namespace {

QStringList instruction(const char* execute)
{
    return QStringList{"fetch1", "fetch2", "desk"} + QString::fromLatin1(execute).split(QLatin1Char(' '));
}

// r1..r4 after each instruction of 5x3, in the order the instructions complete.
struct Registers {
    int r1, r2, r3, r4;
};

}  // namespace

class TestStates : public QObject {
    Q_OBJECT
private slots:
    void demonstrationProgramRunsItsStatesInOrder();
    void registersAndMemoryAfterEachInstruction();
    void panelTextsInBothLanguages_data();
    void panelTextsInBothLanguages();
    void captionSplit_data();
    void captionSplit();
    void captionsDuringTheRun();
    void oneInstructionStopAndRestart();
    void branchNotTakenKeepsPassThroughUntilNextFetch();
};

void TestStates::demonstrationProgramRunsItsStatesInOrder()
{
    Machine m(true);
    QVERIFY(m.startUp());
    m.runContinuously();
    QStringList states = m.runToStop();

    const QStringList notTaken = instruction("beq1 beq2");
    const QStringList taken = instruction("beq1 beq2 beq3");
    QStringList expected;
    for (int i = 0; i < 4; ++i)
        expected += instruction("ld");
    for (int i = 0; i < 3; ++i)
        expected += notTaken + instruction("add1 add2 add3") + instruction("add1 add2 add3") + taken;
    expected += taken + instruction("st");
    expected.replaceInStrings(QStringLiteral("desk"), QStringLiteral("desc"));
    QCOMPARE(states.mid(0, expected.size()), expected);
    QCOMPARE(states.size(), expected.size() + 1);  // the final fetch1 that ends the program

    // That fetch1 stopped the run behind the result window and finished.
    QVERIFY(!m.clock().isEnabled());
    QVERIFY(!m.s.w->isEnabled());
    QVERIFY(m.s.w->Amaiera().isVisible());
    QCOMPARE(m.s.w->Amaiera().windowTitle(), QStringLiteral("Resultado"));
    QCOMPARE(G().Agindu_Urratsa, int16_t(0));
    QVERIFY(m.rs().Lehen_Fetch);
    QVERIFY(!m.rs().Programa_Bukatuta);
}

void TestStates::registersAndMemoryAfterEachInstruction()
{
    Machine m;
    QVERIFY(m.startUp());
    m.runContinuously();

    // Observed at each fetch1, which completes the instruction before it.
    const Registers after[] = {
        {0, 0, 0, 0},                                                      // first fetch: nothing yet
        {5, 0, 0, 0},   {5, 3, 0, 0},   {5, 3, 65535, 0}, {5, 3, 65535, 0}, // the four LDs
        {5, 3, 65535, 0}, {5, 3, 65535, 5}, {5, 2, 65535, 5}, {5, 2, 65535, 5},
        {5, 2, 65535, 5}, {5, 2, 65535, 10}, {5, 1, 65535, 10}, {5, 1, 65535, 10},
        {5, 1, 65535, 10}, {5, 1, 65535, 15}, {5, 0, 65535, 15}, {5, 0, 65535, 15},
        {5, 0, 65535, 15},                                                 // the BEQ taken to END
    };
    // The address of each instruction fetched: taken branches go back to 4008H and on to 4010H.
    const int fetched[] = {0x4000, 0x4002, 0x4004, 0x4006, 0x4008, 0x400A, 0x400C, 0x400E, 0x4008,
                           0x400A, 0x400C, 0x400E, 0x4008, 0x400A, 0x400C, 0x400E, 0x4008, 0x4010};
    int fetches = 0;
    std::string stored;
    while (m.clock().isEnabled() && m.nextEdge()) {
        if (m.current() == QLatin1String("st")) {
            // The write is served at tick 3 of the st cycle; Finish empties memory afterwards.
            while (G().Tik_Kontagailua < 4)
                m.nextTick();
            const MN_Egitura w = MN().record("2");
            QCOMPARE(w.k, Hamartarretik_Bitarrera(15));
            QCOMPARE(w.A, std::string(":EMAITZA"));
            QCOMPARE(w.AK, int16_t(-1));
            stored = w.k;
        }
        if (m.current() != QLatin1String("fetch1") || !m.clock().isEnabled())
            continue;
        QVERIFY(fetches < int(std::size(after)));
        const Registers& r = after[fetches];
        QCOMPARE(m.regValue(1), r.r1);
        QCOMPARE(m.regValue(2), r.r2);
        QCOMPARE(m.regValue(3), r.r3);
        QCOMPARE(m.regValue(4), r.r4);
        QCOMPARE(Bitarretik_Hamartarrera(m.s.el("Bus_mux_MN_Gezia").tip().toStdString()), fetched[fetches]);
        ++fetches;
    }
    QCOMPARE(fetches, int(std::size(after)));
    QVERIFY(!stored.empty());
}

void TestStates::panelTextsInBothLanguages_data()
{
    QTest::addColumn<bool>("spanish");
    QTest::addColumn<int>("edge");  // 1 = fetch1_has
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QString>("previousSignals");
    QTest::addColumn<QString>("next");
    QTest::addColumn<QString>("nextSignals");

    QTest::newRow("es first fetch") << true << 1 << "" << "" << "fetch2" << "LEE_MEM\r\nCARGA_IR2\r\nINCR_PC";
    QTest::newRow("eu fetch2") << false << 2 << "fetch1" << "IRAK_MEM\r\nKARGA_IR1\r\nINKR_PC\r\nKARGA_RLAG"
                               << "desk" << "";
    QTest::newRow("es fetch2") << true << 2 << "fetch1" << "LEE_MEM\r\nCARGA_IR1\r\nINCR_PC\r\nCARGA_RAUX"
                               << "desc" << "";
    QTest::newRow("eu desk of LD") << false << 3 << "fetch2" << "IRAK_MEM\r\nKARGA_IR2\r\nINKR_PC" << "ld"
                                   << "IRAK_MEM\r\nKARGA_EM";
    QTest::newRow("es desk of LD") << true << 3 << "fetch2" << "LEE_MEM\r\nCARGA_IR2\r\nINCR_PC" << "ld"
                                   << "LEE_MEM\r\nCARGA_CR";
    QTest::newRow("es second fetch1") << true << 5 << "ld" << "LEE_MEM\r\nCARGA_CR" << "fetch2"
                                      << "LEE_MEM\r\nCARGA_IR2\r\nINCR_PC";
    // Edges 1-16 are the four LDs, 17-21 the first BEQ (not taken), 22-27 the first ADD.
    QTest::newRow("eu desk of ADD") << false << 24 << "fetch2" << "IRAK_MEM\r\nKARGA_IR2\r\nINKR_PC" << "add1"
                                    << "IRAK_EM\r\nKARGA_RA\r\nKARGA_RB";
    QTest::newRow("es add1") << true << 25 << "desc" << "" << "add2" << "UAL\r\nCARGA_RC";
    QTest::newRow("es add2") << true << 26 << "add1" << "LEE_CR\r\nCARGA_RA\r\nCARGA_RB" << "add3" << "CARGA_CR";
    QTest::newRow("eu beq1") << false << 20 << "desk" << "" << "beq2" << "UAL";
    QTest::newRow("eu beq2 not taken") << false << 21 << "beq1" << "IRAK_EM\r\nKARGA_RA" << "fetch1"
                                       << "IRAK_MEM\r\nKARGA_IR1\r\nINKR_PC\r\nKARGA_RLAG";
}

void TestStates::panelTextsInBothLanguages()
{
    QFETCH(bool, spanish);
    QFETCH(int, edge);
    Machine m(spanish);
    QVERIFY(m.startUp());
    m.runContinuously();
    for (int i = 0; i < edge; ++i)
        QVERIFY(m.nextEdge());
    QTEST(m.s.el("ASM_aurreko_egoera_G").text(), "previous");
    QTEST(m.s.el("ASM_aurre_ego_Seinaleak_G", 0).text(), "previousSignals");
    QTEST(m.s.el("ASM_hurrengo_egoera_G").text(), "next");
    QTEST(m.s.el("ASM_hur_ego_Seinaleak_G", 2).text(), "nextSignals");
}

void TestStates::captionSplit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("add") << "ADD r4,r4,r1" << "ADD r4,r4" << "r1";
    QTest::newRow("label, blank kept") << "WHILE: BEQ r2,END" << " BEQ r2" << "END";
    QTest::newRow("store") << "END: ST r4,EMAITZA" << " ST r4" << "EMAITZA";
    QTest::newRow("no comma") << "NOP r1" << "" << "NOP r1";
    QTest::newRow("no comma, label") << "L: NOP" << "" << "L: NOP";
    QTest::newRow("empty") << "" << "" << "";
    QTest::newRow("several colons") << "A:B: LD r1,X" << " LD r1" << "X";
    QTest::newRow("colon after the comma") << "LD r1,X:Y" << "LD r1" << "X:Y";
    QTest::newRow("only a comma") << "," << "" << "";
    QTest::newRow("trailing comma") << "ST r4," << "ST r4" << "";
}

void TestStates::captionSplit()
{
    QFETCH(QString, text);
    QFETCH(QString, first);
    QFETCH(QString, second);
    const auto [a, b] = ControlUnit::splitInstructionText(text);
    QCOMPARE(a, first);
    QCOMPARE(b, second);
}

void TestStates::captionsDuringTheRun()
{
    Machine m;
    QVERIFY(m.startUp());
    m.runContinuously();
    // Edge 18 is the fetch2 of "WHILE: BEQ r2,END", edge 23 that of the first "ADD r4,r4,r1".
    for (int i = 0; i < 18; ++i)
        QVERIFY(m.nextEdge());
    QCOMPARE(m.current(), QStringLiteral("fetch2"));
    QCOMPARE(m.s.el("IR1_AGINDU_G").text(), QStringLiteral(" BEQ r2"));
    QCOMPARE(m.s.el("IR1_AGINDU_G").back(), colour::Blue);
    QVERIFY(m.nextEdge());
    QCOMPARE(m.s.el("IR2_AGINDU_G").text(), QStringLiteral("END"));
    QCOMPARE(m.s.el("IR2_AGINDU_G").back(), colour::Blue);
    QCOMPARE(m.s.el("IR1_AGINDU_G").back(), colour::Window);
    for (int i = 19; i < 23; ++i)
        QVERIFY(m.nextEdge());
    QCOMPARE(m.current(), QStringLiteral("fetch2"));
    QCOMPARE(m.s.el("IR1_AGINDU_G").text(), QStringLiteral("ADD r4,r4"));
    QVERIFY(m.nextEdge());
    QCOMPARE(m.s.el("IR2_AGINDU_G").text(), QStringLiteral("r1"));
    QVERIFY(m.nextEdge());  // add1 returns the caption to rest
    QCOMPARE(m.s.el("IR2_AGINDU_G").back(), colour::Window);
}

void TestStates::oneInstructionStopAndRestart()
{
    Machine m;
    QVERIFY(m.startUp());
    m.runOneInstruction();
    QCOMPARE(m.runToStop(), (QStringList{"fetch1", "fetch2", "desk", "ld"}));
    // The stop edge itself: the clock stops inside fetch1 after LD r1 completed.
    QVERIFY(!m.clock().isEnabled());
    QCOMPARE(m.beeps(), 5);
    QCOMPARE(m.regValue(1), 5);
    QCOMPARE(G().Tik_Kontagailua, int16_t(11));
    QCOMPARE(G().Agindu_Urratsa, int16_t(0));
    QCOMPARE(m.rs().Egoera_Zenbakia, int16_t(0));
    QVERIFY(!m.rs().Agindu_oso_bat_Modua);
    QCOMPARE(m.current(), QStringLiteral("fetch1"));
    QCOMPARE(m.s.el("ASM_aurreko_egoera_G").text(), QStringLiteral("ld"));
    QCOMPARE(m.s.el("ASM_hurrengo_egoera_G").text(), QStringLiteral("fetch2"));
    QCOMPARE(m.s.el("ASM_orain_ego_Seinaleak_G", 1).back(), colour::Window);
    QCOMPARE(m.s.el("Erlojua_G").picture(), QStringLiteral("clocks\\t12.bmp"));
    QCOMPARE(m.s.el("ga", 6).back(), colour::Window);
    for (const QString& box : AsmZoom::boxNames())
        QCOMPARE(m.s.w->ASM_Zoom().box(box), colour::Window);

    // Restart: the first tick is an edge that runs fetch1 again without completing LD twice.
    EM().Erreg_M_Dat_Egitura_Aldatu("0000000000001001", 1);
    m.runOneInstruction();
    m.nextTick();
    QCOMPARE(G().Tik_Kontagailua, int16_t(0));
    QCOMPARE(m.beeps(), 6);
    QCOMPARE(m.regValue(1), 9);
    QCOMPARE(m.current(), QStringLiteral("fetch1"));
    QCOMPARE(m.s.el("ASM_aurreko_egoera_G").text(), QStringLiteral("ld"));
    QCOMPARE(m.s.w->ASM_Zoom().box("ASM_fetch1"), colour::Green);
    QVERIFY(m.clock().isEnabled());
    QCOMPARE(m.runToStop(), (QStringList{"fetch2", "desk", "ld"}));
    QCOMPARE(m.regValue(2), 3);
    QCOMPARE(m.regValue(1), 9);
}

void TestStates::branchNotTakenKeepsPassThroughUntilNextFetch()
{
    Machine m;
    QVERIFY(m.startUp());
    m.runContinuously();
    for (int i = 0; i < 21; ++i)  // up to the first "WHILE: BEQ r2,END"'s beq2 (r2 = 3)
        QVERIFY(m.nextEdge());
    QCOMPARE(m.current(), QStringLiteral("beq2"));
    QCOMPARE(G().Agindu_Urratsa, int16_t(0));
    QCOMPARE(m.s.el("UAL_Z_G").back(), colour::Window);
    QCOMPARE(m.s.el("ASM_hurrengo_egoera_G").text(), QStringLiteral("fetch1"));
    for (int tick = 1; tick <= 11; ++tick) {
        m.nextTick();
        QCOMPARE(m.s.el("UAL_EK_G").tip(), QStringLiteral("E=A"));
        QCOMPARE(m.s.el("UAL_a2_G").back(), colour::Green);
        QCOMPARE(m.s.el("UAL_DAT_G").text(), QString::fromStdString(Hamartarretik_Bitarrera(3)));
    }
    QVERIFY(m.nextEdge());
    QCOMPARE(m.current(), QStringLiteral("fetch1"));
    QCOMPARE(m.s.el("UAL_EK_G").tip(), QStringLiteral("E=A+B"));
    for (const char* line : {"UAL_a2_G", "UAL_a1_G", "UAL_a0_G"})
        QCOMPARE(m.s.el(QLatin1String(line)).back(), colour::Window);
    const std::string sum =
        Bitarrak_Batu(m.s.el("RA_DAT_G").text().toStdString(), m.s.el("RB_DAT_G").text().toStdString());
    QCOMPARE(m.s.el("UAL_DAT_G").text(), QString::fromStdString(sum));

    // The taken branch at the loop's end: Z lit after beq2, and beq3 names fetch1.
    for (int i = 0; i < 16; ++i)
        QVERIFY(m.nextEdge());
    QCOMPARE(m.current(), QStringLiteral("beq2"));
    QCOMPARE(m.s.el("UAL_Z_G").back(), colour::Magenta);
    QCOMPARE(G().Agindu_Urratsa, int16_t(5));
    QCOMPARE(m.s.el("ASM_hurrengo_egoera_G").text(), QStringLiteral("beq3"));
    QVERIFY(m.nextEdge());
    QCOMPARE(m.s.el("Batu_DAT_G").text(), QString::fromStdString(Hamartarretik_Bitarrera(0x4008)));
}

QTEST_MAIN(TestStates)
#include "tst_states.moc"
