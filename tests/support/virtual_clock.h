#pragma once
// A timer driver for tests: simulated milliseconds instead of real ones. advance()
// fires every timer that falls due, in time order; timers due at the same moment
// fire in the order the Timer objects were created. A handler may enable, disable
// or re-time any timer (itself included); the change counts from the moment of
// that tick.
#include "platform/timer.h"

#include <QHash>
#include <functional>

class VirtualClock : public TimerDriver {
public:
    void arm(Timer& t) override;
    void disarm(Timer& t) override;

    qint64 now() const { return now_; }
    // Runs every tick due up to now() + ms, then sets now() to that moment.
    void advance(qint64 ms);
    // Advances tick by tick until `done` holds or `limitMs` of simulated time pass;
    // returns whether `done` held.
    bool advanceUntil(const std::function<bool()>& done, qint64 limitMs);
    // The next moment a timer falls due, or -1 when none is armed.
    qint64 nextDue() const;
    // Fires the next due timer (moving now() to its moment); false when none is armed.
    bool step();
    int armedCount() const { return int(due_.size()); }

private:
    Timer* nextTimer() const;

    qint64 now_ = 0;
    QHash<Timer*, qint64> due_;
};
