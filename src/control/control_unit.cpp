#include "control_unit.h"

#include "control_host.h"
#include "datapath/datapath.h"
#include "model/funtzioak.h"
#include "model/globals.h"

#include <initializer_list>

namespace {

struct ZoomBoxes {
    std::initializer_list<const char*> cleared;  // the states that can come before
    const char* lit;
};

// Indexed by AsmState: the boxes each state action clears, then the one it lights.
const ZoomBoxes kZoomBoxes[] = {
    {{"ASM_ld", "ASM_st", "ASM_add3", "ASM_beq2", "ASM_beq3"}, "ASM_fetch1"},
    {{"ASM_fetch1"}, "ASM_fetch2"},
    {{"ASM_fetch2"}, "ASM_desk"},
    {{"ASM_desk"}, "ASM_ld"},
    {{"ASM_desk"}, "ASM_st"},
    {{"ASM_desk"}, "ASM_add1"},
    {{"ASM_add1"}, "ASM_add2"},
    {{"ASM_add2"}, "ASM_add3"},
    {{"ASM_desk"}, "ASM_beq1"},
    {{"ASM_beq1"}, "ASM_beq2"},
    {{"ASM_beq2"}, "ASM_beq3"},
};

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

ControlUnit::ControlUnit(ControlHost& host)
    : w_(host), dp_(host.datapath()),
      Timer_(std::make_unique<Timer>(host.platform().timers, QStringLiteral("Timer"), 801))
{
    Timer_->setHandler([this] { Timer_Timer(); });
}

ControlUnit::~ControlUnit() = default;

Element& ControlUnit::el(const QString& name, int index) const { return dp_.el(name, index); }

void ControlUnit::signal(const char* name, bool active)
{
    el(QLatin1String(name)).setBack(active ? colour::Green : colour::Window);
}

void ControlUnit::selectInput(const char* mux, int input)
{
    const QString m = QLatin1String(mux);
    const QString select = m + QLatin1String("_h") + m.back() + QLatin1String("_G");
    el(select).setBack(input == 1 ? colour::Green : colour::Window);
    el(m + QLatin1String("_0_G")).setBack(input == 0 ? colour::Green : colour::Window);
    el(m + QLatin1String("_1_G")).setBack(input == 1 ? colour::Green : colour::Window);
}

void ControlUnit::restLook(const char* name, int index)
{
    Element& e = el(QLatin1String(name), index);
    e.setBack(colour::Window);
    e.setFore(colour::ButtonText);
}

void ControlUnit::litLook(const char* name, BGR back)
{
    Element& e = el(QLatin1String(name));
    e.setBack(back);
    e.setFore(colour::Window);
}

void ControlUnit::setFlags()
{
    const std::string value = el("UAL_DAT_G").text().toStdString();
    auto flag = [this](const char* name, bool lit) {
        if (lit)
            litLook(name, colour::Magenta);
        else
            restLook(name);
    };
    flag("UAL_Z_G", Bitarretik_Hamartarrera(value) == 0);
    flag("UAL_N_G", !value.empty() && value[0] == '1');
}

// The ALU back to addition (code 000) with the sum of its two operand blocks.
void ControlUnit::restoreAlu()
{
    signal("UAL_a2_G", false);
    signal("UAL_a1_G", false);
    signal("UAL_a0_G", false);
    el("UAL_EK_G").setTip(QStringLiteral("E=A+B"));
    dp_.UAL_piztu();
    const QString sum = qs(Bitarrak_Batu(el("RA_DAT_G").text().toStdString(), el("RB_DAT_G").text().toStdString()));
    el("UAL_DAT_G").setText(sum);
    dp_.UAL_Bus_TTT_aldatu(sum);
    dp_.UAL_info();
    setFlags();
}

void ControlUnit::enterState(AsmState s)
{
    rs.Egoera_Zenbakia = static_cast<int16_t>(static_cast<int>(s) + 1);
    const ZoomBoxes& boxes = kZoomBoxes[static_cast<int>(s)];
    for (const char* name : boxes.cleared)
        w_.asmZoomBox(QLatin1String(name), colour::Window);
    w_.asmZoomBox(QLatin1String(boxes.lit), colour::Green);
}

void ControlUnit::memoryAccess()
{
    signal("MN_CS_G", true);
    G().MN_Atzipena = true;
    if (w_.memoryZoomShown())
        w_.memoryZoomFollow();
}

void ControlUnit::memoryReleased()
{
    signal("MN_CS_G", false);
    G().MN_Atzipena = false;
}

void ControlUnit::memoryZoomOnBusAddress()
{
    if (w_.memoryZoomShown())
        w_.memoryZoomRedraw();
}

void ControlUnit::memoryZoomUnmark()
{
    if (w_.memoryZoomShown())
        w_.memoryZoomUnmark();
}

void ControlUnit::registerZoomRefresh() { w_.registerZoomRefresh(); }

void ControlUnit::shiftPanel(AsmState next) { asm_panel::shift(dp_.diagram(), next); }
