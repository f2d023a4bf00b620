#include "commands.h"

#include "control_host.h"
#include "control_unit.h"
#include "datapath/datapath.h"
#include "model/globals.h"

#include <QAction>
#include <iterator>

namespace {

// Button-bar entries in index order, with the handler and the menu entry of each.
struct BarEntry {
    void (Commands::*handler)();
    const char* menu;
};

const BarEntry kBar[] = {
    {&Commands::Programa_kargatu_Click, "Programa_kargatu"},
    {&Commands::Sistema_martxan_ipini_Click, "Sistema_martxan_ipini"},
    {&Commands::Eten_Segi_Click, "Eten_Segi"},
    {&Commands::Bukatu_Click, "Bukatu"},
    {&Commands::Martxan_etengabe_Click, "Martxan_etengabe"},
    {&Commands::Erloju_ziklo_bat_Click, "Erloju_ziklo_bat"},
    {&Commands::Agindu_oso_bat_Click, "Agindu_oso_bat"},
    {&Commands::Nola_erabili_Click, "Nola_erabili"},
    {&Commands::Irten_Click, "Irten"},
};
constexpr int kBarSize = int(std::size(kBar));

// The three run modes: the flag each one sets and the entry it presses.
struct RunMode {
    bool RunState::*flag;
    int entry;
};

const RunMode kModes[] = {
    {&RunState::Martxan_etengabe_Modua, 4},
    {&RunState::Erloju_ziklo_bat_Modua, 5},
    {&RunState::Agindu_oso_bat_Modua, 6},
};

constexpr int kMaxSpeedLevel = 10;
constexpr int kClockStepMs = 50;
constexpr int kBusStepMs = 10;
constexpr int kStartupTickMs = 100;

}  // namespace

Commands::Commands(ControlHost& host) : w_(host)
{
    for (int i = 0; i < kBarSize; ++i)
        ga(i).onClick = [this, i] { ga_Click(i); };
    Diagram& dg = w_.diagram();
    dg(QStringLiteral("Command2")).onClick = [this] { Command2_Click(); };
    dg(QStringLiteral("Command1")).onClick = [this] { Command1_Click(); };
    w_.s_h_timer().setHandler([this] { s_h_timer_Timer(); });
}

Element& Commands::ga(int index) const { return w_.diagram()(QStringLiteral("ga"), index); }

Timer& Commands::clock() const { return w_.control().clockTimer(); }

void Commands::press(int entry)
{
    ga(entry).setBack(colour::Red);
    ga(entry).setFore(colour::Window);
}

void Commands::release(int entry)
{
    ga(entry).setBack(colour::Window);
    ga(entry).setFore(colour::ButtonText);
}

void Commands::setCommandEnabled(int entry, bool on)
{
    ga(entry).setEnabled(on);
    w_.menu(QLatin1String(kBar[entry].menu)).setEnabled(on);
}

void Commands::ga_Click(int index)
{
    if (index < 0 || index >= kBarSize)
        return;
    // Taken into a local first: GCC's bounds sanitizer miscompiles a member-function
    // call made straight through an indexed table entry.
    const auto handler = kBar[index].handler;
    (this->*handler)();
}

// --- Run modes, pause and continue.

void Commands::selectMode(int mode)
{
    // A paused clock stays paused: continue then runs in the new mode.
    if (ga(2).back() == colour::Window)
        clock().setEnabled(true);
    RunState& rs = w_.control().rs;
    for (int m = 0; m < 3; ++m)
        rs.*kModes[m].flag = (m == mode);
    press(kModes[mode].entry);
    release(1);
    for (int m = 0; m < 3; ++m)
        if (m != mode)
            release(kModes[m].entry);
}

void Commands::Martxan_etengabe_Click() { selectMode(0); }
void Commands::Erloju_ziklo_bat_Click() { selectMode(1); }
void Commands::Agindu_oso_bat_Click() { selectMode(2); }

void Commands::Eten_Segi_Click()
{
    if (!w_.control().rs.anyMode())
        return;  // nothing is running, so there is nothing to pause or continue
    if (clock().isEnabled()) {
        clock().setEnabled(false);
        press(2);
    } else {
        clock().setEnabled(true);
        release(2);
    }
}

// --- Clock speed: the level lives only in Clk_T; intervals move by fixed steps.

void Commands::changeSpeed(int step)
{
    Element& level = w_.diagram()(QStringLiteral("Clk_T"));
    const int L = level.text().toInt();
    const int next = L + step;
    if (next < 0 || next > kMaxSpeedLevel) {
        w_.platform().beeper.beep();
        return;
    }
    level.setText(QString::number(next));
    clock().setInterval(clock().interval() - kClockStepMs * step);
    for (Timer* t : w_.datapath().busTimers())
        t->setInterval(t->interval() - kBusStepMs * step);
}

void Commands::Command2_Click() { changeSpeed(+1); }
void Commands::Command1_Click() { changeSpeed(-1); }

void Commands::Form_KeyPress(int keyAscii)
{
    if (!w_.diagram()(QStringLiteral("F_erlojua")).isEnabled())
        return;
    if (keyAscii == '+')
        Command2_Click();
    else if (keyAscii == '-')
        Command1_Click();
}

// --- Start system: one start-up cycle under the splash window.

void Commands::Sistema_martxan_ipini_Click()
{
    w_.control().rs.Erloju_ziklo_bat_Modua = true;
    G().Tik_Kontagailua = 0;
    clock().setEnabled(true);

    w_.menu(QStringLiteral("Programa_kargatu")).setEnabled(false);
    ga(0).setEnabled(false);
    release(0);
    w_.menu(QStringLiteral("Sistema_martxan_ipini")).setEnabled(false);
    ga(1).setEnabled(false);
    press(1);

    w_.s_h_timer().setEnabled(true);
    clock().setInterval(kStartupTickMs);

    // The clock hides the splash at tick 11 of this cycle.
    w_.openSplash();
}

void Commands::s_h_timer_Timer() { w_.splashProgress(); }

// --- Load program: the dialog is shown over a disabled main window.

void Commands::Programa_kargatu_Click()
{
    w_.openLoadDialog();
    w_.setMainEnabled(false);
    press(0);
}
