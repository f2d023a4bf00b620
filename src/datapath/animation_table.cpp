#include "animation_table.h"

#include <QtGlobal>

namespace {
using A = FillAction;
using D = FillDo;
constexpr int C = kByClosingTick;

A paint(const char* bus, int from, int to) { return {D::Paint, bus, from, to}; }
A arrow(const char* bus) { return {D::Arrow, bus}; }
A counter(int n) { return {D::Counter, nullptr, n}; }

const FillAnimation kAnimations[9] = {
    {"MN_Busak_Time", 10, 13,
     {{"Bus_MN_mux", 0, C}, {"Bus_MN_IR2", 42, 44}, {"Bus_MN_IR1", 69, 71}},
     {{paint("Bus_MN_mux", 130, 135), arrow("Bus_MN_mux"), A{D::MemoryWordOnBuses}, counter(136)},
      {A{D::OnlyIfMemoryToEM}, paint("Bus_mux_EM", 0, 7), arrow("Bus_mux_EM"), A{D::MemoryWordToEM}}}},
    {"PC_Bus_Time", 10, 7,
     {{"Bus_PC_mux", 0, 38},
      {"Bus_mux_MN", 39, 46},
      {"Bus_PC_Rlag", 4, 27},
      {"Bus_Bat_mux", 0, 6},
      {"Bus_muxh4_Batu", 7, 44},
      {"Bus_PC_muxh3", 23, 47},
      {"Bus_muxh3_Batu", 48, C}},
     {{arrow("Bus_muxh3_Batu"), paint("Bus_Batu_PC", 0, 12), arrow("Bus_Batu_PC")}}},
    {"IR2_Bus_Time", 5, 4,
     {{"Bus_IR2_muxh4", 0, 12}, {"Bus_Rd_EM", 0, 8}, {"Bus_IR2_mux", 6, 8}, {"Bus_mux_MN", 9, 16}},
     {}},
    {"EM_Bus_Time", 23, 6,
     {{"Bus_EM_MN", 0, C}, {"Bus_IR2_muxh4", 0, 12}, {"Bus_EM_RB", 5, 12}, {"Bus_IR2_mux", 6, 8}, {"Bus_mux_MN", 9, 16}},
     {{paint("Bus_EM_MN", 138, 153), counter(154)}, {arrow("Bus_EM_MN")}}},
    {"EM_2_Bus_Time", 12, 12,
     {{"Bus_EM_MN", 0, C}, {"Bus_EM_RB", 5, 12}, {"Bus_EM_RA", 0, 30}},
     {{paint("Bus_EM_MN", 144, 153), counter(154)}, {arrow("Bus_EM_MN")}}},
    {"UAL_Bus_Time", 3, 3,
     {{"Bus_UAL_RZ", 0, C}},
     {{paint("Bus_UAL_RZ", 9, 9), arrow("Bus_UAL_RZ")}}},
    {"RZ_Bus_Time", 9, 8,
     {{"Bus_RZ_mux", 0, C}, {"Bus_Rd_EM", 0, 8}},
     {{paint("Bus_RZ_mux", 72, 78), counter(79)},
      {arrow("Bus_RZ_mux"), counter(80)},
      {paint("Bus_mux_EM", 0, 7), arrow("Bus_mux_EM")}}},
    {"EM_3_Bus_Time", 12, 12,
     {{"Bus_EM_MN", 0, C}, {"Bus_EM_RB", 5, 12}},
     {{paint("Bus_EM_MN", 144, 153), counter(154)}, {arrow("Bus_EM_MN")}}},
    {"Rlag_Bus_Time", 9, 10,
     {{"Bus_Rlag_mux", 0, 53},
      {"Bus_IR2_muxh4", 0, 12},
      {"Bus_IR2_mux", 6, 8},
      {"Bus_muxh4_Batu", 13, 50},
      {"Bus_muxh3_Batu", 54, 76},
      {"Bus_Batu_PC", 77, C}},
     {{arrow("Bus_Batu_PC")}}},
};
}  // namespace

const FillAnimation& fillAnimation(int which)
{
    Q_ASSERT(which >= 0 && which < 9);
    return kAnimations[which];
}
