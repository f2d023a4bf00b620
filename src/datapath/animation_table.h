#pragma once
// The nine bus fill animations as data. Every animation runs a number of regular
// ticks and then its closing ticks, one list of actions each; the animation's
// timer goes off at the end of its last tick.
//
// A regular tick with s = Bus_Urratsa handles steps s .. s + window - 1, then sets
// Bus_Urratsa to s + window. At step n, piece n - delay of each array is painted
// red when it exists (an array covers steps delay .. delay + pieces - 1), then
// every arrow whose step is n turns red.
#include <vector>

struct FillArray {
    const char* bus;
    int delay;
    int arrowStep;  // kByClosingTick: a closing tick sets the arrow
};
constexpr int kByClosingTick = -1;

enum class FillDo {
    Paint,              // pieces from .. to of bus, red
    Arrow,              // bus's arrow, red
    Counter,            // Bus_Urratsa := from
    OnlyIfMemoryToEM,   // the rest of this tick only when mux2 input 1 is selected (green)
    MemoryWordOnBuses,  // the memory's output buses carry the text of MN_DAT_G
    MemoryWordToEM,     // the mux2 output bus carries the word read (Bus_MN_mux's arrow)
};

struct FillAction {
    FillDo what;
    const char* bus = nullptr;
    int from = 0;
    int to = 0;
};

struct FillAnimation {
    const char* timer;
    int window;
    int regularTicks;
    std::vector<FillArray> arrays;
    std::vector<std::vector<FillAction>> closingTicks;

    int ticks() const { return regularTicks + int(closingTicks.size()); }
};

// In the order of Datapath::busTimers().
const FillAnimation& fillAnimation(int which);
