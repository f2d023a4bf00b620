#pragma once
// The other seams between the simulator and the machine it runs on. Each has a
// Qt implementation (qt_services.h) and a fake for tests.
#include "timer.h"

#include <QPixmap>
#include <QString>
#include <functional>

class QWidget;

// Bitmaps loaded by the design's relative paths ("pictures\UAL.bmp"): backslashes
// are folder separators, relative to the current folder. A missing or unreadable
// file gives an empty (null) picture and the program goes on.
class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    virtual QPixmap load(const QString& designPath) = 0;
};

class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

// Message boxes that do not block: the continuation runs when the user closes them.
class MessageService {
public:
    virtual ~MessageService() = default;
    // Exclamation icon, one OK button.
    virtual void warning(QWidget* parent, const QString& title, const QString& text,
                         std::function<void()> then = {}) = 0;
    // Yes and No buttons, no icon; `then` gets true for Yes.
    virtual void question(QWidget* parent, const QString& title, const QString& text,
                          std::function<void(bool yes)> then) = 0;
};

// Starts another program from a command line and returns at once; false when it
// could not be started.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    virtual bool start(const QString& commandLine) = 0;
};

// All seams together, handed to the windows that need them.
struct Platform {
    TimerDriver& timers;
    PictureLoader& pictures;
    Beeper& beeper;
    MessageService& messages;
    ProgramStarter& starter;
};
