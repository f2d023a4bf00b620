#pragma once
// A simulator with the demonstration program loaded, driven straight through the
// control unit's flags and clock timer, so these tests depend on the clock and
// the state actions rather than on the command buttons.
#include "sim_fixture.h"

#include "control/control_unit.h"
#include "model/funtzioak.h"
#include "model/programa.h"
#include "windows/asm_zoom.h"
#include "windows/memory_zoom.h"
#include "windows/register_zoom.h"

#include <QStringList>

struct Machine {
    Sim s;

    explicit Machine(bool spanish = false, int a = 5, int b = 3) : s(spanish)
    {
        Programa().kargatu();
        MN().MN_Egitura_Aldatu("0", Hamartarretik_Bitarrera(a), ":A", -1);
        MN().MN_Egitura_Aldatu("1", Hamartarretik_Bitarrera(b), ":B", -1);
    }

    ControlUnit& cu() { return s.w->control(); }
    RunState& rs() { return cu().rs; }
    Timer& clock() { return cu().clockTimer(); }
    QString current() const { return s.el("ASM_oraingo_egoera_G").text(); }
    QString reg(int n) const { return QString::fromStdString(EM().Erreg_M_Dat_Egitura_Irakurri(int16_t(n))); }
    int regValue(int n) const { return Bitarretik_Hamartarrera(EM().Erreg_M_Dat_Egitura_Irakurri(int16_t(n))); }
    int beeps() const { return s.fp.beeper.count; }

    // The start-up cycle as the start command runs it: one cycle at 100 ms a tick.
    bool startUp()
    {
        rs().Erloju_ziklo_bat_Modua = true;
        G().Tik_Kontagailua = 0;
        clock().setEnabled(true);
        clock().setInterval(100);
        return s.clock().advanceUntil([&] { return !clock().isEnabled(); }, 5000);
    }

    void runContinuously()
    {
        rs().Martxan_etengabe_Modua = true;
        clock().setEnabled(true);
    }

    void runOneInstruction()
    {
        rs().Agindu_oso_bat_Modua = true;
        clock().setEnabled(true);
    }

    // Advances to the next clock edge (the tick counter back to 0); false when
    // none comes, for instance because the clock stopped.
    bool nextEdge()
    {
        bool left = G().Tik_Kontagailua != 0;
        return s.clock().advanceUntil(
            [&] {
                if (G().Tik_Kontagailua != 0)
                    left = true;
                return left && G().Tik_Kontagailua == 0;
            },
            20000);
    }

    // Advances one clock tick (bus animations in between run as they fall due).
    void nextTick()
    {
        const int before = G().Tik_Kontagailua;
        s.clock().advanceUntil([&] { return G().Tik_Kontagailua != before; }, 2000);
    }

    // Runs until the clock stops; the names of the states run at the edges.
    QStringList runToStop(int limit = 400)
    {
        QStringList states;
        while (clock().isEnabled() && states.size() < limit && nextEdge())
            states << current();
        return states;
    }
};
