#pragma once
// The instruction set's opcode table, the clock constants and the built-in
// demonstration program C := A*B with the memory image its loader writes.
#include <array>
#include <cstdint>
#include <string>

class ASM_Algoritmoa {
public:
    void hasieratu();  // the four opcodes, and the step within the instruction back to 0
    int16_t AK_add() const { return ADD_AK; }
    int16_t AK_beq() const { return BEQ_AK; }
    int16_t AK_ld() const { return LD_AK; }
    int16_t AK_st() const { return ST_AK; }

private:
    int16_t LD_AK = 0;
    int16_t ST_AK = 3;
    int16_t ADD_AK = 9;
    int16_t BEQ_AK = 26;
};

class Clock {
public:
    void hasieratu();
    int16_t Clk_Iraupena() const { return Iraupena; }
    int16_t Clk_Aktibazio_iraupen() const { return Aktibazio_iraupen; }

private:
    int16_t Iraupena = 12;          // ticks per machine cycle; the edge is the last one
    int16_t Aktibazio_iraupen = 6;  // active part of the clock signal, kept for completeness
};

// One row of the program image: an instruction's two words.
struct ImageInstruction {
    const char* first;
    const char* second;
    int16_t code;
    const char* textBasque;
    const char* textSpanish;
};

// One data word of the image.
struct ImageData {
    const char* contents;
    const char* labelBasque;
    const char* labelSpanish;
};

extern const std::array<ImageInstruction, 9> kProgramImage;  // from 4000H, two words each
extern const std::array<ImageData, 5> kDataImage;            // from 0000H

class Program1 {
public:
    // Writes the program (in the current language) and its data words into MN;
    // the rest of memory is left as it is.
    void kargatu();
    // Opcode of instruction i; an index outside 0..8 gives -1.
    int16_t AK_itzuli(int16_t i) const;

    std::string Izenburua;
    std::array<std::string, 9> Agindu_Testuak;
    std::array<int16_t, 9> Agindu_Kodeak{};
};

ASM_Algoritmoa& ASM();
Clock& Erlojua();
Program1& Programa();
