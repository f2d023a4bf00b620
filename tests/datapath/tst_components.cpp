// Components: the start look, Finish's rerun of the start-up giving that look
// back from a busy diagram, and the highlights.
#include "datapath_look.h"

#include <QTest>

namespace {
QStringList snapshot(Sim& s)
{
    QStringList out;
    for (const Element* e : s.w->diagram().all())
        out << QStringLiteral("%1|%2|%3|%4|%5|%6")
                   .arg(e->id(), e->text(), e->tip())
                   .arg(e->back(), 0, 16)
                   .arg(e->fore(), 0, 16)
                   .arg(e->picture());
    return out;
}

// Everything a run can do to the display, to see Finish undo it.
void mess(Sim& s)
{
    Datapath& d = s.dp();
    for (auto on : {&Datapath::PC_piztu, &Datapath::IR1_piztu, &Datapath::IR2_piztu, &Datapath::Rlag_piztu,
                    &Datapath::RA_piztu, &Datapath::RB_piztu, &Datapath::RZ_piztu, &Datapath::UAL_piztu,
                    &Datapath::EM_piztu, &Datapath::MN_piztu, &Datapath::Batu_piztu, &Datapath::PC_info,
                    &Datapath::MN_info, &Datapath::EM_info_i, &Datapath::EM_info_j, &Datapath::RZ_info})
        (d.*on)();
    d.paintRed("Bus_Ri_EM");
    for (const char* box : {"PC_DAT_G", "UAL_DAT_G", "RA_DAT_G", "RB_DAT_G", "RZ_DAT_G", "Rlag_DAT_G", "Batu_DAT_G",
                            "IR1_DAT_G", "IR2_DAT_G", "MN_DAT_G", "ASM_oraingo_egoera_G", "IR1_AGINDU_G"})
        s.el(box).setText(QStringLiteral("0010010001000010"));
    for (const char* box : {"UAL_Z_G", "UAL_N_G", "mux2_0_G", "mux2_1_G", "muxh3_1_G", "muxh4_0_G", "PC_LD_G",
                            "ASM_oraingo_egoera_G", "MN_OE_G", "UAL_a1_G"})
        s.el(box).setBack(colour::Green);
    s.el("UAL_Z_G").setFore(colour::ButtonText);
    s.el("IR1_AGINDU_G").setFore(colour::Blue);
    s.el("Bat_G").setTip(QString());
    s.el("UAL_EK_G").setTip(QStringLiteral("E=A-B"));
    s.el("Erlojua_G").loadPicture(QStringLiteral("clocks\\t3.bmp"));
    d.EM_Bus_TTT_aldatu(QStringLiteral("1111111111111111"), QStringLiteral("1111111111111111"));
    d.Rd_Bus_TTT_aldatu(QStringLiteral("11111"));
    s.el("Rd_G", 0).setTip(QStringLiteral("11111"));
}
}  // namespace

class TestComponents : public QObject {
    Q_OBJECT
private slots:
    void startLook();
    void finishRestoresTheStartLookExactly();
    void highlights();
};

void TestComponents::startLook()
{
    Sim s;
    bringToStartLook(s);
    const QString zero = QStringLiteral("0000000000000000");
    for (const char* box : {"UAL_DAT_G", "RA_DAT_G", "RB_DAT_G", "RZ_DAT_G", "Rlag_DAT_G", "IR1_DAT_G", "IR2_DAT_G"})
        QCOMPARE(s.el(box).text(), zero);
    QCOMPARE(s.el("PC_DAT_G").text(), QStringLiteral("0100000000000000"));
    QCOMPARE(s.el("Batu_DAT_G").text(), QStringLiteral("0100000000000001"));
    QCOMPARE(s.el("MN_DAT_G").text(), QStringLiteral("zzzzzzzzzzzzzzzz"));
    QCOMPARE(s.el("Bat_G").tip(), QStringLiteral("0000000000000001"));
    QCOMPARE(s.el("Bat_G").back(), colour::Yellow);

    // Zero flag lit, negative flag not.
    QCOMPARE(s.el("UAL_Z_G").back(), colour::Magenta);
    QCOMPARE(s.el("UAL_Z_G").fore(), colour::Window);
    QCOMPARE(s.el("UAL_N_G").back(), colour::Window);
    QCOMPARE(s.el("UAL_N_G").fore(), colour::ButtonText);
    QCOMPARE(s.el("UAL_EK_G").tip(), QStringLiteral("E=A+B"));
    QCOMPARE(s.el("UAL_G").picture(), QStringLiteral("pictures\\UAL.bmp"));
    QCOMPARE(s.el("Batu_etik_G").picture(), QStringLiteral("pictures\\batukari_morea.bmp"));
    QCOMPARE(s.el("Erlojua_G").picture(), QStringLiteral("clocks\\t12.bmp"));

    // Every multiplexer selects input 0.
    for (const char* mux : {"muxh4", "muxh3", "mux1", "mux2"}) {
        QCOMPARE(s.el(QString(mux) + "_0_G").back(), colour::Green);
        QCOMPARE(s.el(QString(mux) + "_1_G").back(), colour::Window);
    }
    for (const char* c : {"PC", "UAL", "RA", "RB", "RZ", "Rlag", "IR1", "IR2", "EM", "MN"})
        QCOMPARE(s.el(QString(c) + "_etik_G").back(), colour::Rest);

    // ASM panel: empty, with only the current-state box red.
    QCOMPARE(s.el("ASM_oraingo_egoera_G").back(), colour::Red);
    QCOMPARE(s.el("ASM_orain_ego_Seinaleak_G", 1).back(), colour::Window);
    for (const char* box : {"ASM_aurreko_egoera_G", "ASM_oraingo_egoera_G", "ASM_hurrengo_egoera_G"})
        QVERIFY(s.el(box).text().isEmpty());
    QVERIFY(s.el("IR1_AGINDU_G").text().isEmpty());
}

void TestComponents::finishRestoresTheStartLookExactly()
{
    Sim s;
    bringToStartLook(s);
    const QStringList first = snapshot(s);
    mess(s);
    QVERIFY(snapshot(s) != first);
    bringToStartLook(s);
    const QStringList second = snapshot(s);
    for (int i = 0; i < first.size(); ++i)
        QCOMPARE(second[i], first[i]);
}

void TestComponents::highlights()
{
    Sim s;
    bringToStartLook(s);
    Datapath& d = s.dp();

    // RA_piztu lights the block captioned "RB": the control names decide, not the captions.
    d.RA_piztu();
    QCOMPARE(s.el("RA_G").back(), colour::Lit);
    QCOMPARE(s.el("RA_etik_G").back(), colour::Lit);
    QCOMPARE(s.el("RB_G").back(), colour::Rest);

    // The ALU shows its lit state by picture and label; its block stays at rest.
    d.UAL_piztu();
    QCOMPARE(s.el("UAL_G").back(), colour::Rest);
    QCOMPARE(s.el("UAL_G").picture(), QStringLiteral("pictures\\UAL_gorria.bmp"));
    QCOMPARE(s.el("UAL_etik_G").back(), colour::Lit);
    d.UAL_itzali();
    d.UAL_itzali();
    QCOMPARE(s.el("UAL_G").picture(), QStringLiteral("pictures\\UAL.bmp"));
    QCOMPARE(s.el("UAL_etik_G").back(), colour::Rest);
    QCOMPARE(s.fp.pictures.loaded.last(), QStringLiteral("pictures\\UAL.bmp"));

    d.Batu_piztu();
    QCOMPARE(s.el("Batu_G").back(), colour::Lit);
    QCOMPARE(s.el("Batu_etik_G").picture(), QStringLiteral("pictures\\batukari_gorria.bmp"));
    d.Batu_itzali();
    QCOMPARE(s.el("Batu_G").back(), colour::Rest);
    QCOMPARE(s.el("Batu_etik_G").picture(), QStringLiteral("pictures\\batukari_morea.bmp"));
}

QTEST_MAIN(TestComponents)
#include "tst_components.moc"
