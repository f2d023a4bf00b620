#include "virtual_clock.h"

void VirtualClock::arm(Timer& t) { due_.insert(&t, now_ + t.interval()); }

void VirtualClock::disarm(Timer& t) { due_.remove(&t); }

Timer* VirtualClock::nextTimer() const
{
    Timer* best = nullptr;
    qint64 bestDue = 0;
    for (auto it = due_.constBegin(); it != due_.constEnd(); ++it) {
        if (!best || it.value() < bestDue || (it.value() == bestDue && it.key()->serial() < best->serial())) {
            best = it.key();
            bestDue = it.value();
        }
    }
    return best;
}

qint64 VirtualClock::nextDue() const
{
    Timer* t = nextTimer();
    return t ? due_.value(t) : -1;
}

bool VirtualClock::step()
{
    Timer* t = nextTimer();
    if (!t)
        return false;
    now_ = due_.value(t);
    // The next tick is counted from this one before the handler runs, so anything
    // the handler does to the timer overrides it.
    due_.insert(t, now_ + t->interval());
    t->fire();
    return true;
}

void VirtualClock::advance(qint64 ms)
{
    const qint64 until = now_ + ms;
    for (qint64 d = nextDue(); d >= 0 && d <= until; d = nextDue())
        step();
    now_ = until;
}

bool VirtualClock::advanceUntil(const std::function<bool()>& done, qint64 limitMs)
{
    const qint64 until = now_ + limitMs;
    while (!done()) {
        const qint64 d = nextDue();
        if (d < 0 || d > until)
            return done();
        step();
    }
    return true;
}
