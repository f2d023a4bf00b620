#pragma once
// What the datapath's source files share and nobody else needs: the timers with
// the tick count of each animation, and the piece and arrow look-ups.
#include "datapath.h"

#include <array>
#include <memory>

struct Datapath::Impl {
    std::array<std::unique_ptr<Timer>, 9> timers;
    // Ticks run since each animation's starter: the closing ticks are chosen by
    // this number, so an animation always stops after its last tick.
    std::array<int, 9> ticks{};
};

namespace dp {
// The pieces of a bus, index 0 (source end) first. A bus missing from the diagram
// aborts with its name, as every other look-up does.
const QVector<Element*>& pieces(Datapath& d, const char* bus);
Element& arrow(Datapath& d, const char* bus);
// The design path of a bus arrow's picture in one of its colour versions
// ("txuria" idle, "gorria" filled, "info").
QString arrowLook(const char* bus, const char* version);
}  // namespace dp
