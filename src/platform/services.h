#pragma once
// The other seams between the simulator and the machine it runs on. Each has a
// Qt implementation (qt_services.h) and a fake for tests.
#include "timer.h"

#include <QPixmap>
#include <QString>
#include <cstdint>
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

// Message boxes that do not block. When the user closes one, the window that
// raised it takes the keyboard back, then the continuation runs.
class MessageService {
public:
    virtual ~MessageService() = default;
    // Exclamation icon, one OK button.
    virtual void warning(QWidget* parent, const QString& title, const QString& text,
                         std::function<void()> then = {}) = 0;
    // Yes and No buttons, no icon; `then` gets true for Yes.
    virtual void question(QWidget* parent, const QString& title, const QString& text,
                          std::function<void(bool yes)> then) = 0;
    // No icon, one OK button, the program's own title.
    virtual void notice(QWidget* parent, const QString& text, std::function<void()> then = {}) = 0;
};

// Starts another program from a command line and returns at once; false when it
// could not be started.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    virtual bool start(const QString& commandLine) = 0;
};

// The display mode: what the start window checks and may switch at the language
// choice, and what the main window puts back at exit. The three reads give the
// mode in force; the three wanted values are written, then read back for the
// switch. A switch that cannot be made changes nothing, and callers do not look
// at its result.
class DisplayMode {
public:
    virtual ~DisplayMode() = default;
    virtual int32_t Modua_Irakurri_Bitak() = 0;     // colour depth, bits per pixel
    virtual int32_t Modua_Irakurri_Altuera() = 0;   // height in device pixels
    virtual int32_t Modua_Irakurri_Zabalera() = 0;  // width in device pixels
    void setModua_Bitak(int32_t bits) { wanted_.bits = bits; }
    int32_t Modua_Bitak() const { return wanted_.bits; }
    void setModua_Altuera(int32_t height) { wanted_.height = height; }
    int32_t Modua_Altuera() const { return wanted_.height; }
    void setModua_Zabalera(int32_t width) { wanted_.width = width; }
    int32_t Modua_Zabalera() const { return wanted_.width; }
    // True when the display now shows that mode.
    virtual bool Modua_Aldatu(int32_t width, int32_t height, int32_t bits) = 0;

private:
    struct {
        int32_t width = 0, height = 0, bits = 0;
    } wanted_;
};

// The system registry, read through the three calls of the original platform's
// registry library: results are 0 on success or an error code, handles are 32-bit.
class Registry {
public:
    virtual ~Registry() = default;
    // On success `key` holds the open key; on failure it is left as it was.
    virtual int32_t open(uint32_t root, const QString& keyPath, uint32_t options, uint32_t access,
                         uint32_t& key) = 0;
    // Writes the value into `data`, which holds `size` bytes; on return `size` is
    // the number of bytes written (or needed, when they do not fit).
    virtual int32_t query(uint32_t key, const QString& valueName, uint32_t reserved, uint32_t& type,
                          char* data, uint32_t& size) = 0;
    virtual int32_t close(uint32_t key) = 0;
};

// All seams together, handed to the windows that need them.
struct Platform {
    TimerDriver& timers;
    PictureLoader& pictures;
    Beeper& beeper;
    MessageService& messages;
    ProgramStarter& starter;
    DisplayMode& display;
    Registry& registry;
};
