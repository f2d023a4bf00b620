#include "timer.h"

namespace {
quint64 nextSerial = 0;
}

Timer::Timer(TimerDriver& driver, QString name, int intervalMs)
    : driver_(driver), name_(std::move(name)), interval_(intervalMs), serial_(nextSerial++)
{
}

Timer::~Timer() { driver_.disarm(*this); }

void Timer::rearm()
{
    if (enabled_ && interval_ > 0)
        driver_.arm(*this);
    else
        driver_.disarm(*this);
}

void Timer::setInterval(int ms)
{
    interval_ = ms;
    rearm();
}

void Timer::setEnabled(bool on)
{
    if (on == enabled_)
        return;
    enabled_ = on;
    rearm();
}

void Timer::fire()
{
    if (enabled_ && handler_)
        handler_();
}
