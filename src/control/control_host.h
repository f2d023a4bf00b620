#pragma once
// The main window as the control unit and the commands see it: its own parts,
// and the secondary windows asked for by what they must do, not by their
// classes. The window layer implements it, so this layer includes no window.
#include "datapath/colours.h"
#include "platform/services.h"

#include <QString>
#include <cstdint>

class QAction;
class Commands;
class ControlUnit;
class Datapath;
class Diagram;
class Timer;

class ControlHost {
public:
    virtual ~ControlHost() = default;

    // The main window's own parts.
    virtual Platform& platform() = 0;
    virtual Diagram& diagram() = 0;
    virtual Datapath& datapath() = 0;
    virtual ControlUnit& control() = 0;
    virtual Commands& commands() = 0;
    virtual QAction& menu(const QString& name) const = 0;  // by design name ("Eten_Segi")
    virtual Timer& s_h_timer() = 0;
    virtual void setMainEnabled(bool on) = 0;
    virtual void exitProgram() = 0;
    // Puts back the display mode changed when the language was chosen.
    virtual void restoreDisplayMode() = 0;

    // The load dialog, in the chosen language, over the disabled main window.
    virtual void openLoadDialog() = 0;
    // The start-up splash, modal until hideSplash(), which also clears its progress.
    virtual void openSplash() = 0;
    virtual void splashProgress() = 0;  // one more sign of progress
    virtual void hideSplash() = 0;
    // The result window with A, B and A*B as memory holds them now.
    virtual void showResult() = 0;
    virtual void openAbout() = 0;

    // Zoom windows. The memory zoom follows the run only while it is shown.
    virtual bool memoryZoomShown() = 0;
    virtual void memoryZoomFollow() = 0;  // as its opener does: texts, shown, around the bus address
    virtual void memoryZoomRedraw() = 0;  // entry and rows around the bus address only
    virtual void memoryZoomUnmark() = 0;  // no word accessed
    virtual void registerZoomRefresh() = 0;
    virtual void asmZoomBox(const QString& box, BGR c) = 0;  // "ASM_fetch1" .. "ASM_beq3"
    virtual void asmZoomState(int16_t egoera) = 0;            // 0 clears every box
    virtual void hideZooms() = 0;
};
