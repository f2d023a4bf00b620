// The fetch and decode states: fetch1 (which also completes the instruction that
// ends and takes the one-instruction stop), fetch1_has, fetch2 and desk.
#include "control_unit.h"

#include "control_host.h"
#include "control/commands.h"
#include "datapath/datapath.h"
#include "model/funtzioak.h"
#include "model/globals.h"
#include "model/memoria.h"
#include "model/programa.h"

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }
std::string bits(const Element& e) { return e.tip().toStdString(); }

}  // namespace

void ControlUnit::fetch1()
{
    completeInstruction();
    if (rs.Agindu_oso_bat_Modua && !rs.Geldialdia_Eginda) {
        oneInstructionStop();
        return;
    }

    Erloju_Ertza();
    enterState(AsmState::fetch1);
    rs.Geldialdia_Eginda = false;
    rs.Agindua_Osatuta = false;
    memoryAccess();
    for (const char* s : {"MN_OE_G", "PC_LD_G", "IR1_LD_G", "Rlag_LD_G"})
        signal(s, true);
    dp_.PC_piztu();
    if (el("ASM_oraingo_egoera_G").text() == QLatin1String("fetch1")) {
        // Restarted after a one-instruction stop, which has already shifted the panel.
        dp_.EM_itzali();
        dp_.EM_Bus_has();
    } else {
        shiftPanel(AsmState::fetch2);
    }
    dp_.PC_Bus_Bete();
    G().MN_Busak_Zain = true;
}

// Applies the last transfers of the instruction whose state ran at the previous
// edge; returns whether one was completed.
bool ControlUnit::completeInstruction()
{
    struct Completion {
        const char* state;
        void (ControlUnit::*apply)();
    };
    static const Completion kCompletions[] = {
        {"ld", &ControlUnit::completeLd},     {"st", &ControlUnit::completeSt},
        {"add3", &ControlUnit::completeAdd3}, {"beq2", &ControlUnit::completeBeq2},
        {"beq3", &ControlUnit::completeBeq3},
    };
    for (const Completion& c : kCompletions) {
        if (!rs.Agindua_Osatuta && el("ASM_oraingo_egoera_G").text() == QLatin1String(c.state)) {
            rs.Agindua_Osatuta = true;
            (this->*c.apply)();
            return true;
        }
    }
    return false;
}

void ControlUnit::completeLd()
{
    const QString word = el("Bus_mux_EM_Gezia").tip();
    const auto reg = static_cast<int16_t>(Bitarretik_Hamartarrera(bits(el("Bus_Rd_EM_Gezia"))));
    EM().Erreg_M_Dat_Egitura_Aldatu(word.toStdString(), reg);
    dp_.EM_piztu();
    registerZoomRefresh();
    registerPortRefresh(word);
    dp_.MN_Bus_has();
    dp_.Mux_Bus_has();
    dp_.IR_Bus_has();
    dp_.Rd_Bus_has();
    memoryReleased();
    memoryZoomOnBusAddress();
    signal("MN_OE_G", false);
    signal("EM_LD_G", false);
    selectInput("mux1", 0);
    selectInput("mux2", 0);
}

void ControlUnit::completeSt()
{
    memoryReleased();
    memoryZoomUnmark();
    signal("MN_WR_G", false);
    selectInput("mux1", 0);
    dp_.Mux_Bus_has();
    dp_.IR_Bus_has();
    dp_.Ri_Bus_has();
    dp_.MN_Bus_has();
    dp_.EM_Bus_has();
    if (rs.Programa_Bukatuta)
        w_.commands().Agindu_oso_bat_Click();  // so that this fetch1 stops and ends the program
}

void ControlUnit::completeAdd3()
{
    signal("EM_LD_G", false);
    dp_.RZ_Bus_has();
    dp_.Mux_Bus_has();
    dp_.Rd_Bus_has();
    dp_.EM_piztu();
    const auto reg = static_cast<int16_t>(Bitarretik_Hamartarrera(bits(el("Rd_G", 1))));
    EM().Erreg_M_Dat_Egitura_Aldatu(el("RZ_DAT_G").text().toStdString(), reg);
    registerZoomRefresh();
    registerPortRefresh(el("Bus_mux_EM_Gezia").tip());
}

void ControlUnit::completeBeq2() { restoreAlu(); }

void ControlUnit::completeBeq3()
{
    signal("PC_LD_G", false);
    dp_.PC_piztu();
    Element& pc = el("PC_DAT_G");
    pc.setText(el("Bus_Batu_PC_Gezia").tip());
    dp_.PC_Bus_TTT_aldatu(pc.text());
    dp_.Mux1_Bus_TTT_aldatu(pc.text());
    selectInput("muxh3", 0);
    dp_.Muxh3_Bus_TTT_aldatu(pc.text());
    selectInput("muxh4", 0);
    dp_.Muxh4_Bus_TTT_aldatu(el("Bat_G").tip());
    dp_.Rlag_Bus_has();
    dp_.IR_Bus_has();
    const int32_t next = Bitarretik_Hamartarrera(bits(el("Bus_muxh3_Batu_Gezia"))) +
                         Bitarretik_Hamartarrera(bits(el("Bus_muxh4_Batu_Gezia")));
    const QString adder = qs(Hamartarretik_Bitarrera(next));
    el("Batu_DAT_G").setText(adder);
    dp_.Batu_Bus_TTT_aldatu(adder);
}

// The register-set output buses keep showing the registers their read fields select.
void ControlUnit::registerPortRefresh(const QString& word)
{
    const QString rd = el("Rd_G", 1).tip();
    const bool portI = el("Ri_G", 1).tip() == rd;
    const bool portJ = el("Rj_G", 1).tip() == rd;
    if (portI && portJ) {
        dp_.EM_Bus_TTT_aldatu(word, word);
        dp_.EM_info_i();
        dp_.EM_info_j();
    } else if (portI) {
        dp_.EM_Bus_TTT_aldatu(word, el("Bus_EM_RA", 0).tip());
        dp_.EM_info_i();
    } else if (portJ) {
        dp_.EM_Bus_TTT_aldatu(el("Bus_EM_MN", 0).tip(), word);
        dp_.EM_info_j();
    }
}

void ControlUnit::oneInstructionStop()
{
    Globals& g = G();
    rs.Agindu_oso_bat_Modua = false;
    el("Erlojua_G").loadPicture(QStringLiteral("clocks\\t12.bmp"));
    Timer_->setEnabled(false);
    restLook("ga", 6);
    rs.Geldialdia_Eginda = true;
    --g.Agindu_Urratsa;  // the dispatcher's increment brings it back to 0: fetch1 runs again
    g.Tik_Kontagailua = static_cast<int16_t>(Erlojua().Clk_Iraupena() - 1);  // next tick is an edge
    shiftPanel(AsmState::fetch2);
    enterState(AsmState::fetch1);
    el("ASM_orain_ego_Seinaleak_G", 1).setBack(colour::Window);
    rs.Egoera_Zenbakia = 0;
    w_.asmZoomState(rs.Egoera_Zenbakia);
    if (rs.Programa_Bukatuta)
        endOfProgram();
    w_.platform().beeper.beep();
}

void ControlUnit::endOfProgram()
{
    w_.setMainEnabled(false);
    w_.showResult();
    w_.commands().finish(true);
}

void ControlUnit::fetch1_has()
{
    Erloju_Ertza();
    rs.Egoera_Zenbakia = 1;
    w_.asmZoomBox(QStringLiteral("ASM_fetch1"), colour::Green);
    memoryAccess();
    for (const char* s : {"MN_OE_G", "PC_LD_G", "IR1_LD_G", "Rlag_LD_G"})
        signal(s, true);
    dp_.PC_piztu();
    dp_.PC_Bus_Bete();
    el("ASM_oraingo_egoera_G").setText(asm_panel::displayedName(AsmState::fetch1));
    el("ASM_orain_ego_Seinaleak_G", 1).setText(asm_panel::signalList(AsmState::fetch1));
    asm_panel::writeNext(dp_.diagram(), AsmState::fetch2);
    G().MN_Busak_Zain = true;
}

std::pair<QString, QString> ControlUnit::splitInstructionText(const QString& text)
{
    const int comma = text.lastIndexOf(QLatin1Char(','));
    if (comma < 0)
        return {QString(), text};
    const QString before = text.left(comma);
    return {before.mid(before.lastIndexOf(QLatin1Char(':')) + 1), text.mid(comma + 1)};
}

void ControlUnit::fetch2()
{
    Erloju_Ertza();
    enterState(AsmState::fetch2);

    dp_.Rlag_piztu();
    Element& rlag = el("Rlag_DAT_G");
    rlag.setText(el("Bus_PC_Rlag_Gezia").tip());
    dp_.Rlag_Bus_TTT_aldatu(rlag.text());
    signal("Rlag_LD_G", false);
    dp_.Rlag_info();

    el("IR1_DAT_G").setText(el("Bus_MN_IR1_Gezia").tip());
    dp_.Rd_aldatu();
    dp_.Ri_aldatu();
    dp_.IR1_piztu();
    signal("IR1_LD_G", false);

    signal("MN_OE_G", false);
    memoryReleased();
    memoryZoomUnmark();
    // The memory data box keeps its word while its buses go idle.
    const QString word = el("MN_DAT_G").text();
    dp_.MN_Bus_has();
    el("MN_DAT_G").setText(word);
    dp_.MN_Bus_TTT_aldatu(word);

    const std::string address = hexText(Bitarretik_Hamartarrera(bits(el("Bus_mux_MN_Gezia"))));
    const QString instruction = qs(MN().MN_Egitura_Agindua_Irakurri(address));
    std::tie(rs.IR1_Agindua, rs.IR2_Agindua) = splitInstructionText(instruction);
    Element& caption = el("IR1_AGINDU_G");
    caption.setText(rs.IR1_Agindua);
    litLook("IR1_AGINDU_G", colour::Blue);

    rs.PC_Balioa = Bitarretik_Hamartarrera(el("PC_DAT_G").text().toStdString()) + 1;
    el("PC_DAT_G").setText(qs(Hamartarretik_Bitarrera(rs.PC_Balioa)));
    dp_.PC_piztu();
    signal("PC_LD_G", false);
    dp_.PC_Bus_has();

    rs.PC_Balioa += 1;
    el("Batu_DAT_G").setText(qs(Hamartarretik_Bitarrera(rs.PC_Balioa)));
    dp_.Batu_Bus_has();
    dp_.Mux_Bus_has();
    dp_.Muxh3_Bus_has();
    dp_.Muxh4_Bus_has();
    dp_.Bat_Bus_has();

    const auto ri = static_cast<int16_t>(Bitarretik_Hamartarrera(bits(el("Ri_G", 1))));
    dp_.EM_Bus_TTT_aldatu(qs(EM().Erreg_M_Dat_Egitura_Irakurri(ri)), el("Bus_EM_RA", 0).tip());
    dp_.Rd_info();
    dp_.Ri_info();
    dp_.EM_info_i();
    registerZoomRefresh();

    memoryAccess();
    for (const char* s : {"MN_OE_G", "IR2_LD_G", "PC_LD_G"})
        signal(s, true);

    shiftPanel(AsmState::desk);
    dp_.PC_Bus_Bete();
    G().MN_Busak_Zain = true;
}

void ControlUnit::desk()
{
    Erloju_Ertza();
    enterState(AsmState::desk);

    rs.PC_Balioa = Bitarretik_Hamartarrera(el("PC_DAT_G").text().toStdString()) + 1;
    el("PC_DAT_G").setText(qs(Hamartarretik_Bitarrera(rs.PC_Balioa)));
    dp_.PC_piztu();
    signal("PC_LD_G", false);
    dp_.PC_Bus_has();
    dp_.Mux_Bus_has();
    dp_.Muxh3_Bus_has();
    dp_.PC_info();
    dp_.mux1_info();
    dp_.Muxh3_info();

    rs.PC_Balioa += 1;
    el("Batu_DAT_G").setText(qs(Hamartarretik_Bitarrera(rs.PC_Balioa)));
    dp_.Batu_Bus_has();
    dp_.Batu_info();
    dp_.Muxh4_Bus_has();
    dp_.Bat_Bus_has();

    el("IR2_DAT_G").setText(el("Bus_MN_IR1_Gezia").tip());
    dp_.Rj_aldatu();
    dp_.Rj_info();
    dp_.IR2_piztu();
    signal("IR2_LD_G", false);

    el("IR2_AGINDU_G").setText(rs.IR2_Agindua);
    litLook("IR2_AGINDU_G", colour::Blue);
    restLook("IR1_AGINDU_G");

    dp_.IR_Bus_TTT_aldatu(el("IR2_DAT_G").text());
    dp_.IR2_info();

    const auto rj = static_cast<int16_t>(Bitarretik_Hamartarrera(bits(el("Rj_G", 1))));
    dp_.EM_Bus_TTT_aldatu(el("Bus_EM_MN", 0).tip(), qs(EM().Erreg_M_Dat_Egitura_Irakurri(rj)));
    dp_.EM_info_j();
    registerZoomRefresh();

    signal("MN_OE_G", false);
    memoryReleased();
    memoryZoomOnBusAddress();
    dp_.MN_Bus_has();

    asm_panel::shiftUp(dp_.diagram());
    const std::string first = Bitarretik_Hamaseitarrera(el("Rlag_DAT_G").text().toStdString());
    rs.Uneko_AK = MN().MN_Egitura_AK_Irakurri(first);
    const ASM_Algoritmoa& ops = ASM();
    if (rs.Uneko_AK == ops.AK_ld())
        asm_panel::writeNext(dp_.diagram(), AsmState::ld);
    else if (rs.Uneko_AK == ops.AK_st())
        asm_panel::writeNext(dp_.diagram(), AsmState::st);
    else if (rs.Uneko_AK == ops.AK_add())
        asm_panel::writeNext(dp_.diagram(), AsmState::add1);
    else if (rs.Uneko_AK == ops.AK_beq())
        asm_panel::writeNext(dp_.diagram(), AsmState::beq1);
}
