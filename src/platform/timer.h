#pragma once
// Every timer of the program (the clock, the nine bus animations, the splash
// progress) is one of these: an interval in milliseconds, an enabled flag and a
// tick handler. A driver decides when ticks happen: QTimer in the program, a
// virtual clock in tests, so a whole run takes milliseconds and never sleeps.
//
// Semantics, as the form-based timers the design was written for:
//  - enabling a disabled timer starts counting its interval from now;
//  - setting the interval of an enabled timer restarts its count;
//  - enabling an already enabled timer changes nothing;
//  - an interval of 0 or less never ticks.
#include <QString>
#include <functional>

class TimerDriver;

class Timer {
public:
    Timer(TimerDriver& driver, QString name, int intervalMs = 0);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const QString& name() const { return name_; }
    int interval() const { return interval_; }
    bool isEnabled() const { return enabled_; }
    void setInterval(int ms);
    void setEnabled(bool on);
    void setHandler(std::function<void()> handler) { handler_ = std::move(handler); }

    // Called by the driver when the interval has elapsed.
    void fire();
    // Creation order, used by drivers to order timers that fall due together.
    quint64 serial() const { return serial_; }

private:
    void rearm();

    TimerDriver& driver_;
    QString name_;
    int interval_ = 0;
    bool enabled_ = false;
    quint64 serial_;
    std::function<void()> handler_;
};

class TimerDriver {
public:
    virtual ~TimerDriver() = default;
    // Start (or restart) counting t's interval from now.
    virtual void arm(Timer& t) = 0;
    // Stop counting; no tick until armed again.
    virtual void disarm(Timer& t) = 0;
};
