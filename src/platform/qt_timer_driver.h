#pragma once
#include "timer.h"

#include <QHash>

class QTimer;

// Drives Timers with one QTimer each, on the interface thread.
class QtTimerDriver : public TimerDriver {
public:
    ~QtTimerDriver() override;
    void arm(Timer& t) override;
    void disarm(Timer& t) override;

private:
    QHash<Timer*, QTimer*> timers_;
};
