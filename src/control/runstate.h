#pragma once
// The main window's part of the run state (the rest is in Globals): run modes,
// fetch1's own memory, the state shown, the instruction being executed.
#include <QString>
#include <cstdint>

struct RunState {
    int16_t Uneko_AK = 0;             // opcode of the instruction being executed; never reset
    bool Lehen_Fetch = false;         // the next cycle is the start-up cycle, the next step-0 edge the first fetch
    bool Martxan_etengabe_Modua = false;  // run mode: continuous
    bool Erloju_ziklo_bat_Modua = false;  // run mode: one clock cycle
    bool Agindu_oso_bat_Modua = false;    // run mode: one whole instruction
    bool Geldialdia_Eginda = false;   // fetch1 has taken its one-instruction stop
    bool Agindua_Osatuta = false;     // fetch1 has completed the ending instruction
    bool Beq_Martxan = false;         // a BEQ is running
    bool Programa_Bukatuta = false;   // the word at the end address 4010H was read
    int16_t Egoera_Zenbakia = 0;      // state shown: 0 none, 1 fetch1 .. 11 beq3

    // Scratch values of fetch2 and desk.
    int32_t PC_Balioa = 0;
    QString IR1_Agindua;
    QString IR2_Agindua;

    bool anyMode() const { return Martxan_etengabe_Modua || Erloju_ziklo_bat_Modua || Agindu_oso_bat_Modua; }
};
