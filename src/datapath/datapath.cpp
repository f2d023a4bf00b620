#include "datapath.h"

struct Datapath::Impl {
    std::array<std::unique_ptr<Timer>, 9> timers;
};

namespace {
const char* const kTimerNames[9] = {"MN_Busak_Time", "PC_Bus_Time",  "IR2_Bus_Time",  "EM_Bus_Time",  "EM_2_Bus_Time",
                                    "UAL_Bus_Time",  "RZ_Bus_Time", "EM_3_Bus_Time", "Rlag_Bus_Time"};
}

Datapath::Datapath(Diagram& diagram, TimerDriver& timers) : dg_(diagram), d_(std::make_unique<Impl>())
{
    for (int i = 0; i < 9; ++i) {
        d_->timers[i] = std::make_unique<Timer>(timers, QLatin1String(kTimerNames[i]), 601);
        timerOrder_[i] = d_->timers[i].get();
    }
}

Datapath::~Datapath() = default;

Timer& Datapath::busTimer(const QString& name) const
{
    for (Timer* t : timerOrder_)
        if (t->name() == name)
            return *t;
    qFatal("No bus timer named %s", qPrintable(name));
}
