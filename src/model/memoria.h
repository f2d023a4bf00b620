#pragma once
// Main memory (32769 word records, addresses 0000H..8000H) and the register set
// (r0..r31). Addresses are passed as upper-case hexadecimal texts and converted at
// every call; register positions as integers.
//
// Out-of-range input has a defined result instead of undefined behaviour: an
// address above 8000H (or a register position outside 0..31) reads as an empty
// record (empty contents and text, code -1) and a write to it is ignored.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct MN_Egitura {
    std::string h;      // address label
    std::string k;      // contents, a word
    std::string A;      // instruction text or data label
    int16_t AK = -1;    // opcode of the instruction the word belongs to, -1 for data
};

class MemoriaNagusia {
public:
    static constexpr int32_t kAzkenHelbidea = 0x8000;  // last address; 32769 words

    MemoriaNagusia();
    void hasieratu();
    void MN_Egitura_Aldatu(const std::string& h, const std::string& k, const std::string& A, int16_t AK);
    std::string MN_Egitura_Kodea_Irakurri(const std::string& h) const;
    std::string MN_Egitura_Agindua_Irakurri(const std::string& h) const;
    int16_t MN_Egitura_AK_Irakurri(const std::string& h) const;

    // The whole record, for views and tests.
    MN_Egitura record(const std::string& h) const;

private:
    const MN_Egitura* at(const std::string& h) const;
    std::vector<MN_Egitura> MN_Egiturak;
};

class ErregistroMultzoa {
public:
    ErregistroMultzoa();
    void hasieratu();
    std::string Erreg_M_Dat_Egitura_Irakurri(int16_t pos) const;
    void Erreg_M_Dat_Egitura_Aldatu(const std::string& dat, int16_t pos);

private:
    std::array<std::string, 32> Erreg_M_Dat;
};

// Single global instances, created on first use.
MemoriaNagusia& MN();
ErregistroMultzoa& EM();
