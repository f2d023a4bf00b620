#pragma once
// The datapath display of the main window: the components' start values and
// looks, their highlights, the buses with the values they carry, their info
// colouring and their fill animations. Operation names are the design's own, so
// the state actions read like the control algorithm they implement.
#include "bus_table.h"
#include "diagram.h"
#include "platform/timer.h"

#include <array>
#include <memory>

class Datapath {
public:
    Datapath(Diagram& diagram, TimerDriver& timers);
    ~Datapath();

    Diagram& diagram() { return dg_; }
    Element& el(const QString& name, int index = -1) const { return dg_(name, index); }

    // --- Component initialisers: each writes only its own component's controls.
    void PC_hasieratu();
    void UAL_hasieratu();
    void RA_RB_hasieratu();
    void RZ_hasieratu();
    void Bat_hasieratu();
    void Muxh4_hasieratu();
    void Muxh3_hasieratu();
    void Rlag_hasieratu();
    void Batu_hasieratu();
    void IR_hasieratu();
    void MUX_hasieratu();
    void EM_hasieratu();
    void MN_hasieratu();
    void ASM_hasieratu();
    void Erloju_Irudia_hasieratu();
    // The fourteen component initialisers in start-up order (PC .. ASM; not the clock picture).
    void osagaiak_hasieratu();

    // --- Highlights: block and name label light red (lit) or light blue (rest).
    void PC_piztu();
    void PC_itzali();
    void IR1_piztu();
    void IR1_itzali();
    void IR2_piztu();
    void IR2_itzali();
    void Rlag_piztu();
    void Rlag_itzali();
    void RA_piztu();
    void RA_itzali();
    void RB_piztu();
    void RB_itzali();
    void RZ_piztu();
    void RZ_itzali();
    void UAL_piztu();
    void UAL_itzali();
    void EM_piztu();
    void EM_itzali();
    void MN_piztu();
    void MN_itzali();
    void Batu_piztu();
    void Batu_itzali();

    // --- Info colouring: the buses of a group teal, their arrows the info picture.
    void PC_info();
    void Batu_info();
    void Rlag_info();
    void IR2_info();
    void MN_info();
    void EM_info_i();
    void EM_info_j();
    void RA_info();
    void RB_info();
    void UAL_info();
    void RZ_info();
    void Muxh3_info();
    void Muxh4_info();
    void Bat_info();
    void Rd_info();
    void Ri_info();
    void Rj_info();
    void mux1_info();
    void mux2_info();
    void mux2_info_itzali();

    // --- Buses: reset a group to idle with its source's value, or set the value it carries.
    void MN_Bus_has();
    void IR_Bus_has();
    void Batu_Bus_has();
    void PC_Bus_has();
    void Rlag_Bus_has();
    void EM_Bus_has();
    void RA_RB_Bus_has();
    void RZ_Bus_has();
    void Muxh4_Bus_has();
    void Muxh3_Bus_has();
    void Bat_Bus_has();
    void Rd_Bus_has();
    void Ri_Bus_has();
    void Rj_Bus_has();
    void UAL_Bus_has();
    void Mux_Bus_has();

    void MN_Bus_TTT_aldatu(const QString& s);
    void IR_Bus_TTT_aldatu(const QString& s);
    void Batu_Bus_TTT_aldatu(const QString& s);
    void PC_Bus_TTT_aldatu(const QString& s);
    void Rlag_Bus_TTT_aldatu(const QString& s);
    void EM_Bus_TTT_aldatu(const QString& si, const QString& sj);
    void RA_Bus_TTT_aldatu(const QString& s);
    void RB_Bus_TTT_aldatu(const QString& s);
    void RZ_Bus_TTT_aldatu(const QString& s);
    void Muxh4_Bus_TTT_aldatu(const QString& s);
    void Muxh3_Bus_TTT_aldatu(const QString& s);
    void Bat_Bus_TTT_aldatu(const QString& s);
    void Rd_Bus_TTT_aldatu(const QString& s);
    void Ri_Bus_TTT_aldatu(const QString& s);
    void Rj_Bus_TTT_aldatu(const QString& s);
    void UAL_Bus_TTT_aldatu(const QString& s);
    void Mux1_Bus_TTT_aldatu(const QString& s);
    void Mux2_Bus_TTT_aldatu(const QString& s);

    void Busak_hasieratu();
    void Rd_aldatu();
    void Ri_aldatu();
    void Rj_aldatu();

    // Paint pieces 0..7 of a register-address bus red at once, with its red arrow
    // (st1, add1, beq1 do this without an animation).
    void paintRed(const QString& busName);

    // --- Fill animations: each starter zeroes Bus_Urratsa and enables its timer.
    void PC_Bus_Bete();
    void MN_Bus_Bete();  // also clears the memory-read-pending flag
    void IR2_Bus_bete();
    void EM_Bus_bete();
    void EM_2_Bus_bete();
    void UAL_Bus_bete();
    void RZ_Bus_bete();
    void EM_3_Bus_bete();
    void Rlag_Bus_bete();

    // The nine animation timers, in the order the speed commands and Finish use:
    // MN_Busak_Time, PC_Bus_Time, IR2_Bus_Time, EM_Bus_Time, EM_2_Bus_Time,
    // UAL_Bus_Time, RZ_Bus_Time, EM_3_Bus_Time, Rlag_Bus_Time.
    const std::array<Timer*, 9>& busTimers() const { return timerOrder_; }
    Timer& busTimer(const QString& name) const;

    int16_t Bus_Urratsa = 0;  // step counter shared by all nine animations

private:
    void startFill(int which);    // which: index in busTimers() order
    void runFillTick(int which);

    struct Impl;
    Diagram& dg_;
    std::unique_ptr<Impl> d_;
    std::array<Timer*, 9> timerOrder_{};
};
