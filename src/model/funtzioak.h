#pragma once
// Conversions between the value forms of the simulated machine, and its 16-bit adder.
// A word is a text of sixteen '0'/'1' characters, bit 15 first; numbers exist only
// for a moment, as indexes or decimal display.
//
// Input that the simulator itself never produces still has a defined result here,
// so that a stray value can never crash the program:
//  - an empty text converts to 0;
//  - in a bit text every character other than '1' counts as a 0 bit ('z' included);
//  - in a hexadecimal text only '0'-'9' and upper-case 'A'-'F' are digits, any other
//    character counts as the digit 0;
//  - values too large for a 32-bit integer saturate at INT32_MAX;
//  - Hamartarretik_Bitarrera and Bitarrak_Batu work modulo 65536, so a number outside
//    0..65535 or a bit text longer than 16 characters still gives a 16-character word.
#include <cstdint>
#include <string>

int32_t Hamaseitarretik_Hamartarrera(const std::string& hex);
int32_t Bitarretik_Hamartarrera(const std::string& bits);
std::string Hamartarretik_Bitarrera(int32_t n);
std::string Bitarretik_Hamaseitarrera(const std::string& bits);
std::string Bitarrak_Batu(const std::string& a, const std::string& b);

// Upper-case hexadecimal text without leading zeros ("0" for zero): the address
// form the memory model takes.
std::string hexText(int32_t n);
