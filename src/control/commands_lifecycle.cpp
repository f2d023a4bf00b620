// Start-up, Finish, and the main window's life: load, unload, exit, help, About.
#include "commands.h"

#include "control_host.h"
#include "control_unit.h"
#include "datapath/datapath.h"
#include "model/globals.h"
#include "model/memoria.h"
#include "model/programa.h"

#include <QAction>
#include <QCoreApplication>

namespace {
constexpr int kRestClockMs = 801;
constexpr int kRestBusMs = 201;
}  // namespace

// Memory and registers empty, every component at its start look, the opcode table
// set and the step back to 0: what both the start-up and Finish begin with.
void Commands::machineToRest()
{
    MN().hasieratu();
    EM().hasieratu();
    w_.datapath().osagaiak_hasieratu();
    ASM().hasieratu();
}

// The register-number fields cut from the zeroed instruction registers, every bus
// idle with its source's value, and the register-set zoom refreshed.
void Commands::fieldsAndBusesToRest()
{
    Datapath& dp = w_.datapath();
    dp.Rd_aldatu();
    dp.Ri_aldatu();
    dp.Rj_aldatu();
    dp.Busak_hasieratu();
    w_.registerZoomRefresh();
}

void Commands::clearRunFlags()
{
    G().MN_Busak_Zain = false;
    G().MN_Idatzi_Zain = false;
    G().MN_Atzipena = false;
    RunState& rs = w_.control().rs;
    rs.Geldialdia_Eginda = false;
    rs.Agindua_Osatuta = false;
    rs.Martxan_etengabe_Modua = false;
    rs.Erloju_ziklo_bat_Modua = false;
    rs.Agindu_oso_bat_Modua = false;
    rs.Egoera_Zenbakia = 0;
    rs.Beq_Martxan = false;
    rs.Programa_Bukatuta = false;
}

// Level 0: the speed text and every interval are set together, which keeps the
// relative steps of the speed commands in line with the level.
void Commands::speedToLevelZero()
{
    w_.diagram()(QStringLiteral("Clk_T")).setText(QStringLiteral("0"));
    clock().setInterval(kRestClockMs);
    w_.diagram()(QStringLiteral("F_erlojua")).setEnabled(false);
    for (Timer* t : w_.datapath().busTimers())
        t->setInterval(kRestBusMs);
}

void Commands::Kovi_hasieratu()
{
    machineToRest();
    Erlojua().hasieratu();
    w_.datapath().Erloju_Irudia_hasieratu();
    clearRunFlags();
    fieldsAndBusesToRest();
    speedToLevelZero();
}

void Commands::Form_Load()
{
    Kovi_hasieratu();
    G().Lerro_Jauzia = "\r\n";
    w_.control().rs.Lehen_Fetch = true;
}

void Commands::Bukatu_Click() { finish(false); }

void Commands::finish(bool fromProgramEnd)
{
    Datapath& dp = w_.datapath();
    machineToRest();
    dp.Erloju_Irudia_hasieratu();

    clock().setEnabled(false);
    for (Timer* t : dp.busTimers())
        t->setEnabled(false);

    G().Tik_Kontagailua = 0;
    // The edge dispatch adds 1 after fetch1 returns, so the next start begins at step 0.
    if (fromProgramEnd)
        G().Agindu_Urratsa = -1;
    clearRunFlags();

    fieldsAndBusesToRest();

    for (int entry : {2, 4, 5, 6})
        release(entry);
    for (int entry = 2; entry <= 6; ++entry)
        setCommandEnabled(entry, false);
    setCommandEnabled(0, true);

    w_.control().rs.Lehen_Fetch = true;
    speedToLevelZero();

    w_.hideZooms();
}

void Commands::Form_Unload()
{
    if (G().Pantaila_Aldatuta)
        w_.restoreDisplayMode();
    w_.exitProgram();
}

void Commands::Irten_Click() { Form_Unload(); }

void Commands::Nola_erabili_Click()
{
    const QString file = G().Gaztelera ? QStringLiteral("\\Pendro\\manual.chm")
                                       : QStringLiteral("\\Pendro\\gidaliburua.chm");
    // Without a help viewer the simulator simply carries on.
    w_.platform().starter.start(QStringLiteral("hh.exe ") + QCoreApplication::applicationDirPath() + file);
}

void Commands::About_Kovi_Click() { w_.openAbout(); }
