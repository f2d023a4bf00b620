#pragma once
// The control unit: the clock with its twelve ticks per cycle, the edge dispatch
// and the eleven ASM state actions with the ASM panel they write.
#include "asm_panel.h"
#include "datapath/colours.h"
#include "runstate.h"
#include "platform/timer.h"

#include <QString>
#include <memory>
#include <utility>

class ControlHost;
class Datapath;
class Element;

class ControlUnit {
public:
    explicit ControlUnit(ControlHost& host);
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

    // An instruction text cut at its last comma: the part before it without any
    // label (what follows the last ':'), and the part after it. A text without a
    // comma gives an empty first part and the whole text as the second.
    static std::pair<QString, QString> splitInstructionText(const QString& text);

private:
    // Clock work of single ticks.
    void clockPicture(int tick);
    void afterEdgeCleanUp();
    void memoryRead();
    void memoryWrite();
    void endOfStartUp();
    void oneCycleStop();
    void edge();

    // fetch1's parts.
    bool completeInstruction();
    void completeLd();
    void completeSt();
    void completeAdd3();
    void completeBeq2();
    void completeBeq3();
    void oneInstructionStop();
    void endOfProgram();
    void registerPortRefresh(const QString& word);

    // Shared steps of the state actions.
    Element& el(const QString& name, int index = -1) const;
    void signal(const char* name, bool active);
    void selectInput(const char* mux, int input);  // "mux1", "mux2", "muxh3", "muxh4"
    void setFlags();
    void restoreAlu();
    void enterState(AsmState s);  // state number and the ASM zoom boxes
    void memoryAccess();          // MN_CS_G lit, access mark, zoom follows
    void memoryReleased();        // MN_CS_G dark, access mark off
    void memoryZoomOnBusAddress();
    void memoryZoomUnmark();
    void registerZoomRefresh();
    void shiftPanel(AsmState next);
    void restLook(const char* name, int index = -1);  // window back, button-text fore
    void litLook(const char* name, BGR back);         // back colour, window-colour text

    ControlHost& w_;
    Datapath& dp_;
    std::unique_ptr<Timer> Timer_;
};
