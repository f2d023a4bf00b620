#include "datapath.h"

#include "animation_table.h"
#include "datapath_impl.h"

namespace {
const char* const kTimerNames[9] = {"MN_Busak_Time", "PC_Bus_Time",  "IR2_Bus_Time",  "EM_Bus_Time",  "EM_2_Bus_Time",
                                    "UAL_Bus_Time",  "RZ_Bus_Time", "EM_3_Bus_Time", "Rlag_Bus_Time"};
}

Datapath::Datapath(Diagram& diagram, TimerDriver& timers) : dg_(diagram), d_(std::make_unique<Impl>())
{
    for (int i = 0; i < 9; ++i) {
        d_->timers[i] = std::make_unique<Timer>(timers, QLatin1String(kTimerNames[i]), 601);
        timerOrder_[i] = d_->timers[i].get();
        Q_ASSERT(QLatin1String(fillAnimation(i).timer) == timerOrder_[i]->name());
        d_->timers[i]->setHandler([this, i] { runFillTick(i); });
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

namespace dp {
const QVector<Element*>& pieces(Datapath& d, const char* bus)
{
    const QVector<Element*>& members = d.diagram().members(QLatin1String(bus));
    if (members.isEmpty())
        d.el(QLatin1String(bus), 0);  // aborts naming the missing bus
    return members;
}

Element& arrow(Datapath& d, const char* bus) { return d.el(QLatin1String(bus) + QLatin1String("_Gezia")); }

QString arrowLook(const char* bus, const char* version)
{
    return arrowPicture(busLayout(QLatin1String(bus)).dir, version);
}
}  // namespace dp
