#pragma once
// The control unit: the clock with its twelve ticks per cycle, the edge dispatch
// and the eleven ASM state actions with the ASM panel they write.
#include "runstate.h"
#include "platform/timer.h"

#include <QString>
#include <memory>

class MainWindow;
class Datapath;

class ControlUnit {
public:
    explicit ControlUnit(MainWindow& window);
    ~ControlUnit();

    RunState rs;
    Timer& clockTimer() { return *Timer_; }  // the design's `Timer`

    // Clock.
    void Timer_Timer();
    void Erloju_Ertza();
    void Ertza_Kendu();
    void Ertza_Ondoren_f1();
    void Ertza_Ondoren_f2();
    void Ertza_Ondoren_l_s_a3_b3();
    void Ertza_Ondoren_a1_b1();
    void Ertza_Ondoren_a2_b2();

    // State actions.
    void fetch1();
    void fetch1_has();
    void fetch2();
    void desk();
    void ld1();
    void st1();
    void add1();
    void add2();
    void add3();
    void beq1();
    void beq2();
    void beq3();

private:
    MainWindow& w_;
    Datapath& dp_;
    std::unique_ptr<Timer> Timer_;
};
