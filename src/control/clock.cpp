// The clock: one call of Timer_Timer per tick, twelve ticks per machine cycle,
// the last one the edge that runs a state action.
#include "control_unit.h"

#include "control_host.h"
#include "control/commands.h"
#include "datapath/datapath.h"
#include "model/funtzioak.h"
#include "model/globals.h"
#include "model/memoria.h"
#include "model/programa.h"

#include <QAction>

namespace {

// One per clocked register, in the order they light up at an edge.
const char* const kEdgeMarks[] = {"EM_CLK_G",  "RA_CLK_G",  "RB_CLK_G", "RZ_CLK_G",
                                  "IR1_CLK_G", "IR2_CLK_G", "PC_CLK_G", "Rlag_CLK_G"};

// Button-bar entries and their menu twins that become usable once the system has started.
struct RunCommand {
    int button;
    const char* menu;
};
const RunCommand kRunCommands[] = {
    {2, "Eten_Segi"}, {3, "Bukatu"}, {4, "Martxan_etengabe"}, {5, "Erloju_ziklo_bat"}, {6, "Agindu_oso_bat"},
};

// First word of the demonstration program's last instruction: reading it marks the end.
const QString kEndAddress = QStringLiteral("0100000000010000");

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

void ControlUnit::Timer_Timer()
{
    Globals& g = G();
    ++g.Tik_Kontagailua;
    const int tick = g.Tik_Kontagailua;
    if (tick >= 1 && tick <= 11)
        clockPicture(tick);
    switch (tick) {
    case 1:
        afterEdgeCleanUp();
        Ertza_Kendu();
        break;
    case 3:
        if (g.MN_Busak_Zain)
            memoryRead();
        if (g.MN_Idatzi_Zain)
            memoryWrite();
        break;
    case 4:
        dp_.MN_itzali();
        break;
    case 11:
        if (rs.Lehen_Fetch)
            endOfStartUp();
        if (rs.Erloju_ziklo_bat_Modua)
            oneCycleStop();
        break;
    default:
        if (tick == Erlojua().Clk_Iraupena())
            edge();
        break;
    }
}

void ControlUnit::clockPicture(int tick)
{
    el("Erlojua_G").loadPicture(QStringLiteral("clocks\\t%1.bmp").arg(tick));
}

// Returns to rest what the state run at the last edge lit, chosen by the step it left.
void ControlUnit::afterEdgeCleanUp()
{
    switch (G().Agindu_Urratsa) {
    case 1:  // fetch1 or fetch1_has
        dp_.UAL_itzali();
        dp_.UAL_Bus_has();
        Ertza_Ondoren_l_s_a3_b3();
        dp_.PC_itzali();
        break;
    case 2:
        Ertza_Ondoren_f1();
        break;
    case 3:
        Ertza_Ondoren_f2();
        break;
    case 4:  // add1 or beq1
        dp_.EM_itzali();
        break;
    case 5:  // add2, or beq2 with the branch taken
        dp_.UAL_itzali();
        Ertza_Ondoren_a1_b1();
        break;
    case 0:  // the last state of an instruction, or a cycle of the start-up
        dp_.IR2_itzali();
        dp_.EM_itzali();
        dp_.UAL_itzali();
        dp_.RB_itzali();
        dp_.RA_RB_Bus_has();
        dp_.Rlag_itzali();
        Ertza_Ondoren_a2_b2();
        break;
    default:
        break;
    }
}

void ControlUnit::memoryRead()
{
    const QString address = el("Bus_mux_MN_Gezia").tip();
    if (address == kEndAddress)
        rs.Programa_Bukatuta = true;
    dp_.MN_piztu();
    // An address above 8000H reads as an empty word; the model never fails.
    const std::string hex = hexText(Bitarretik_Hamartarrera(address.toStdString()));
    el("MN_DAT_G").setText(qs(MN().MN_Egitura_Kodea_Irakurri(hex)));
    dp_.MN_Bus_Bete();
}

void ControlUnit::memoryWrite()
{
    G().MN_Idatzi_Zain = false;
    dp_.MN_piztu();
    el("MN_DAT_G").setText(el("Bus_EM_MN_Gezia").tip());
    const std::string target = el("IR2_DAT_G").text().toStdString();
    const std::string hex = hexText(Bitarretik_Hamartarrera(target));
    // Only the contents change: the word keeps its label and opcode.
    MN().MN_Egitura_Aldatu(Bitarretik_Hamaseitarrera(target), el("MN_DAT_G").text().toStdString(),
                           MN().MN_Egitura_Agindua_Irakurri(hex), MN().MN_Egitura_AK_Irakurri(hex));
    memoryZoomOnBusAddress();
}

void ControlUnit::endOfStartUp()
{
    w_.s_h_timer().setEnabled(false);
    Timer_->setInterval(801);
    w_.hideSplash();
    el("F_erlojua").setEnabled(true);
    for (const RunCommand& c : kRunCommands) {
        el(QStringLiteral("ga"), c.button).setEnabled(true);
        w_.menu(QLatin1String(c.menu)).setEnabled(true);
    }
    restLook("ga", 1);
}

void ControlUnit::oneCycleStop()
{
    rs.Erloju_ziklo_bat_Modua = false;
    Timer_->setEnabled(false);
    restLook("ga", 5);
    el("ASM_orain_ego_Seinaleak_G", 1).setBack(colour::Window);
}

void ControlUnit::edge()
{
    Globals& g = G();
    g.Tik_Kontagailua = 0;
    const ASM_Algoritmoa& ops = ASM();
    // The step is read again after each action: fetch1's stops lower it inside the call.
    auto next = [&g] { ++g.Agindu_Urratsa; };
    switch (g.Agindu_Urratsa) {
    case 0:
        if (rs.Lehen_Fetch) {
            fetch1_has();
            rs.Lehen_Fetch = false;
        } else {
            fetch1();
        }
        next();
        break;
    case 1:
        fetch2();
        next();
        break;
    case 2:
        desk();
        next();
        break;
    case 3:
        if (rs.Uneko_AK == ops.AK_add()) {
            add1();
            next();
        } else if (rs.Uneko_AK == ops.AK_beq()) {
            beq1();
            next();
        } else if (rs.Uneko_AK == ops.AK_ld()) {
            ld1();
            g.Agindu_Urratsa = 0;
        } else if (rs.Uneko_AK == ops.AK_st()) {
            st1();
            g.Agindu_Urratsa = 0;
        }
        break;
    case 4:
        if (rs.Uneko_AK == ops.AK_add()) {
            add2();
            next();
        } else if (rs.Uneko_AK == ops.AK_beq()) {
            beq2();
            next();
            if (el("UAL_Z_G").back() == colour::Window)  // Z not lit: the branch is not taken
                g.Agindu_Urratsa = 0;
        }
        break;
    case 5:
        if (rs.Uneko_AK == ops.AK_add()) {
            add3();
            g.Agindu_Urratsa = 0;
        } else if (rs.Uneko_AK == ops.AK_beq()) {
            beq3();
            g.Agindu_Urratsa = 0;
        }
        break;
    default:
        break;
    }
}

void ControlUnit::Erloju_Ertza()
{
    w_.platform().beeper.beep();
    el("Erlojua_G").loadPicture(QStringLiteral("clocks\\t12.bmp"));
    for (const char* mark : kEdgeMarks)
        el(QLatin1String(mark)).setBack(colour::Green);
    el("ASM_orain_ego_Seinaleak_G", 1).setBack(colour::Green);
}

void ControlUnit::Ertza_Kendu()
{
    for (const char* mark : kEdgeMarks)
        el(QLatin1String(mark)).setBack(colour::Window);
}

void ControlUnit::Ertza_Ondoren_f1()
{
    dp_.PC_itzali();
    dp_.Rlag_itzali();
    dp_.IR1_itzali();
    dp_.EM_Bus_has();
    dp_.Rlag_Bus_has();
    dp_.Rd_Bus_has();
    dp_.Ri_Bus_has();
}

void ControlUnit::Ertza_Ondoren_f2()
{
    dp_.PC_itzali();
    dp_.IR2_itzali();
    dp_.IR_Bus_has();
    dp_.Rj_Bus_has();
    dp_.Batu_Bus_has();
    dp_.PC_Bus_has();
    dp_.Mux_Bus_has();
    dp_.Muxh3_Bus_has();
    dp_.EM_Bus_has();
}

void ControlUnit::Ertza_Ondoren_l_s_a3_b3()
{
    dp_.EM_itzali();
    dp_.EM_Bus_has();
}

void ControlUnit::Ertza_Ondoren_a1_b1()
{
    dp_.RA_itzali();
    dp_.RB_itzali();
    dp_.RA_RB_Bus_has();
}

void ControlUnit::Ertza_Ondoren_a2_b2()
{
    dp_.RZ_itzali();
    if (!rs.Beq_Martxan) {
        dp_.UAL_Bus_has();
    } else if (el("ASM_oraingo_egoera_G").text() == QLatin1String("beq3")) {
        dp_.UAL_Bus_has();
    } else {
        // A BEQ not taken: the ALU bus keeps its fill until the clean-up after the next fetch1.
        rs.Beq_Martxan = false;
    }
}
