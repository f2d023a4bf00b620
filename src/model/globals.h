#pragma once
// Run-wide state that more than one part of the simulator reads and writes: the
// language flag, the clock's tick counter and the step within the instruction,
// and the memory request flags that the state actions raise for tick 3.
// One instance for the whole program; tests call resetGlobals() to start clean.
#include <cstdint>
#include <string>

struct Globals {
    bool Gaztelera = false;            // false: Basque texts, true: Spanish texts
    int16_t Tik_Kontagailua = 0;       // tick within the clock cycle, 1..12 (0 right after an edge)
    int16_t Agindu_Urratsa = 0;        // step within the instruction: 0 fetch1 .. 5 third execute state
    bool MN_Busak_Zain = false;        // memory read pending for tick 3
    bool MN_Idatzi_Zain = false;       // memory write pending for tick 3
    bool MN_Atzipena = false;          // a memory access is under way (zoom window marks it)
    std::string Lerro_Jauzia = "\r\n"; // separates signal names in the ASM panel

    // Display mode found when the language was chosen, put back when the program ends.
    bool Pantaila_Aldatuta = false;
    int16_t Jatorrizko_Kolore_Sakonera = 0;
    int16_t Jatorrizko_Zabalera = 0;
    int16_t Jatorrizko_Altuera = 0;
};

Globals& G();
void resetGlobals();
