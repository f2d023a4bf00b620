#include "programa.h"

#include "funtzioak.h"
#include "globals.h"
#include "memoria.h"

// The contract the rest of the simulator relies on: every instruction text holds a
// comma (the IR captions are cut there), END stays at 4010H (a read of that address
// marks the end of the program) and nothing writes r0 (BEQ r0 always branches).
const std::array<ImageInstruction, 9> kProgramImage{{
    {"0000000000100000", "0000000000000000", 0, "LD r1,A", "LD r1,A"},
    {"0000000001000000", "0000000000000001", 0, "LD r2,B", "LD r2,B"},
    {"0000000001100000", "0000000000000011", 0, "LD r3,MINUSBAT", "LD r3,MENOSUNO"},
    {"0000000010000000", "0000000000000100", 0, "LD r4,ZERO", "LD r4,CERO"},
    {"0110100000000010", "0000000000001000", 26, "WHILE: BEQ r2,END", "WHILE: BEQ r2,END"},
    {"0010010010000100", "0000000000000001", 9, "ADD r4,r4,r1", "ADD r4,r4,r1"},
    {"0010010001000010", "0000000000000011", 9, "ADD r2,r2,r3", "ADD r2,r2,r3"},
    {"0110100000000000", "1111111111111010", 26, "BEQ r0,WHILE", "BEQ r0,WHILE"},
    {"0000110000000100", "0000000000000010", 3, "END: ST r4,EMAITZA", "END: ST r4,RESULTADO"},
}};

// Word 0002H holds an empty text (not a word) until the program's ST writes it.
const std::array<ImageData, 5> kDataImage{{
    {"0000000000000000", ":A", ":A"},
    {"0000000000000000", ":B", ":B"},
    {"", ":EMAITZA", ":RESULTADO"},
    {"1111111111111111", ":MINUSBAT", ":MENOSUNO"},
    {"0000000000000000", ":ZERO", ":CERO"},
}};

void ASM_Algoritmoa::hasieratu()
{
    ADD_AK = 9;
    BEQ_AK = 26;
    LD_AK = 0;
    ST_AK = 3;
    G().Agindu_Urratsa = 0;
}

void Clock::hasieratu()
{
    Iraupena = 12;
    Aktibazio_iraupen = 6;
}

void Program1::kargatu()
{
    Izenburua = "C:=A*B";
    const bool spanish = G().Gaztelera;
    for (size_t i = 0; i < kProgramImage.size(); ++i) {
        Agindu_Testuak[i] = spanish ? kProgramImage[i].textSpanish : kProgramImage[i].textBasque;
        Agindu_Kodeak[i] = kProgramImage[i].code;
    }
    int32_t n = Hamaseitarretik_Hamartarrera("4000");
    for (size_t i = 0; i < kProgramImage.size(); ++i) {
        MN().MN_Egitura_Aldatu(hexText(n), kProgramImage[i].first, Agindu_Testuak[i], Agindu_Kodeak[i]);
        ++n;
        MN().MN_Egitura_Aldatu(hexText(n), kProgramImage[i].second, "", Agindu_Kodeak[i]);
        ++n;
    }
    n = 0;
    for (const ImageData& d : kDataImage) {
        MN().MN_Egitura_Aldatu(hexText(n), d.contents, spanish ? d.labelSpanish : d.labelBasque, -1);
        ++n;
    }
}

int16_t Program1::AK_itzuli(int16_t i) const
{
    if (i < 0 || i >= static_cast<int16_t>(Agindu_Kodeak.size()))
        return -1;
    return Agindu_Kodeak[static_cast<size_t>(i)];
}

ASM_Algoritmoa& ASM()
{
    static ASM_Algoritmoa instance;
    return instance;
}

Clock& Erlojua()
{
    static Clock instance;
    return instance;
}

Program1& Programa()
{
    static Program1 instance;
    return instance;
}
