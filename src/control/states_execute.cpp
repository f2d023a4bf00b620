// The execute states: ld and st, add1..add3, beq1..beq3. Their results land one
// edge later, in the next state or in the next fetch1's completion.
#include "control_unit.h"

#include "control_host.h"
#include "datapath/datapath.h"
#include "model/funtzioak.h"
#include "model/globals.h"

namespace {
QString qs(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

void ControlUnit::ld1()
{
    Erloju_Ertza();
    enterState(AsmState::ld);
    restLook("IR2_AGINDU_G");
    for (const char* s : {"MN_CS_G", "MN_OE_G", "EM_LD_G"})
        signal(s, true);
    dp_.IR2_piztu();
    selectInput("mux1", 1);
    dp_.Mux1_Bus_TTT_aldatu(el("Bus_IR2_mux_Gezia").tip());
    memoryAccess();
    selectInput("mux2", 1);
    // Until this cycle's memory animation ends, the register set's input shows the LD's second word.
    dp_.Mux2_Bus_TTT_aldatu(el("Bus_MN_mux_Gezia").tip());
    shiftPanel(AsmState::fetch1);
    dp_.IR2_Bus_bete();
    G().MN_Busak_Zain = true;
}

void ControlUnit::st1()
{
    Erloju_Ertza();
    enterState(AsmState::st);
    restLook("IR2_AGINDU_G");
    signal("MN_CS_G", true);
    signal("MN_WR_G", true);
    selectInput("mux1", 1);
    dp_.Mux1_Bus_TTT_aldatu(el("IR2_DAT_G").text());
    memoryAccess();
    shiftPanel(AsmState::fetch1);
    dp_.paintRed(QStringLiteral("Bus_Ri_EM"));
    dp_.EM_piztu();
    dp_.IR2_piztu();
    dp_.EM_Bus_bete();
    G().MN_Idatzi_Zain = true;
}

void ControlUnit::add1()
{
    Erloju_Ertza();
    enterState(AsmState::add1);
    restLook("IR2_AGINDU_G");
    signal("RA_LD_G", true);
    signal("RB_LD_G", true);
    dp_.paintRed(QStringLiteral("Bus_Ri_EM"));
    dp_.paintRed(QStringLiteral("Bus_Rj_EM"));
    dp_.EM_piztu();
    dp_.EM_2_Bus_bete();
    shiftPanel(AsmState::add2);
}

void ControlUnit::add2()
{
    Erloju_Ertza();
    enterState(AsmState::add2);
    dp_.RA_piztu();
    el("RA_DAT_G").setText(el("Bus_EM_RA_Gezia").tip());
    dp_.RA_Bus_TTT_aldatu(el("RA_DAT_G").text());
    dp_.RB_piztu();
    el("RB_DAT_G").setText(el("Bus_EM_RB_Gezia").tip());
    dp_.RB_Bus_TTT_aldatu(el("RB_DAT_G").text());
    signal("RA_LD_G", false);
    signal("RB_LD_G", false);
    dp_.EM_Bus_has();
    dp_.Ri_Bus_has();
    dp_.Rj_Bus_has();
    dp_.UAL_piztu();
    const QString sum = qs(Bitarrak_Batu(el("RA_DAT_G").text().toStdString(), el("RB_DAT_G").text().toStdString()));
    el("UAL_DAT_G").setText(sum);
    dp_.UAL_Bus_TTT_aldatu(sum);
    setFlags();
    dp_.RA_info();
    dp_.RB_info();
    signal("RZ_LD_G", true);
    dp_.UAL_Bus_bete();
    shiftPanel(AsmState::add3);
}

void ControlUnit::add3()
{
    Erloju_Ertza();
    enterState(AsmState::add3);
    signal("RZ_LD_G", false);
    dp_.UAL_Bus_has();
    el("RZ_DAT_G").setText(el("Bus_UAL_RZ_Gezia").tip());
    dp_.RZ_piztu();
    dp_.RZ_Bus_TTT_aldatu(el("RZ_DAT_G").text());
    dp_.Mux2_Bus_TTT_aldatu(el("RZ_DAT_G").text());
    signal("EM_LD_G", true);
    dp_.RZ_Bus_bete();
    shiftPanel(AsmState::fetch1);
}

void ControlUnit::beq1()
{
    Erloju_Ertza();
    enterState(AsmState::beq1);
    restLook("IR2_AGINDU_G");
    rs.Beq_Martxan = true;
    signal("RB_LD_G", true);
    dp_.paintRed(QStringLiteral("Bus_Ri_EM"));
    dp_.EM_piztu();
    dp_.EM_3_Bus_bete();
    shiftPanel(AsmState::beq2);
}

void ControlUnit::beq2()
{
    Erloju_Ertza();
    enterState(AsmState::beq2);
    signal("RB_LD_G", false);
    dp_.Ri_Bus_has();
    dp_.EM_Bus_has();
    dp_.RB_piztu();
    el("RB_DAT_G").setText(el("Bus_EM_RB_Gezia").tip());
    dp_.RB_info();
    dp_.RB_Bus_TTT_aldatu(el("RB_DAT_G").text());
    // The ALU passes input A through (code 111) so that Z tests the register.
    for (const char* line : {"UAL_a2_G", "UAL_a1_G", "UAL_a0_G"})
        signal(line, true);
    el("UAL_EK_G").setTip(QStringLiteral("E=A"));
    dp_.UAL_piztu();
    el("UAL_DAT_G").setText(el("Bus_RB_UAL_Gezia").tip());
    dp_.UAL_Bus_TTT_aldatu(el("UAL_DAT_G").text());
    dp_.UAL_Bus_bete();
    setFlags();
    const bool zero = Bitarretik_Hamartarrera(el("UAL_DAT_G").text().toStdString()) == 0;
    shiftPanel(zero ? AsmState::beq3 : AsmState::fetch1);
}

void ControlUnit::beq3()
{
    Erloju_Ertza();
    enterState(AsmState::beq3);
    restoreAlu();  // back to E=A+B, with the flags of the sum
    signal("PC_LD_G", true);
    selectInput("muxh3", 1);
    dp_.Muxh3_Bus_TTT_aldatu(el("Rlag_DAT_G").text());
    selectInput("muxh4", 1);
    dp_.Muxh4_Bus_TTT_aldatu(el("IR2_DAT_G").text());
    const QString target = qs(Bitarrak_Batu(el("Rlag_DAT_G").text().toStdString(), el("IR2_DAT_G").text().toStdString()));
    el("Batu_DAT_G").setText(target);
    dp_.Batu_Bus_TTT_aldatu(target);
    dp_.Rlag_piztu();
    dp_.IR2_piztu();
    dp_.Rlag_Bus_bete();
    shiftPanel(AsmState::fetch1);
}
