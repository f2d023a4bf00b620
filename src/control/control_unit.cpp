#include "control_unit.h"

#include "datapath/datapath.h"
#include "windows/main_window.h"

ControlUnit::ControlUnit(MainWindow& window)
    : w_(window), dp_(window.datapath()),
      Timer_(std::make_unique<Timer>(window.platform().timers, QStringLiteral("Timer"), 801))
{
    Timer_->setHandler([this] { Timer_Timer(); });
}

ControlUnit::~ControlUnit() = default;

void ControlUnit::Timer_Timer() {}
