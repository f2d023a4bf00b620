#pragma once
// Fakes of every platform seam, bundled so a test builds a whole main window
// that never sleeps, beeps, opens a real message box or starts a program.
#include "platform/services.h"
#include "virtual_clock.h"

#include <QStringList>
#include <vector>

class FakePictureLoader : public PictureLoader {
public:
    QPixmap load(const QString& designPath) override
    {
        loaded << designPath;
        return QPixmap();  // as a missing file: an empty picture
    }
    QStringList loaded;
};

class FakeBeeper : public Beeper {
public:
    void beep() override { ++count; }
    int count = 0;
};

class FakeMessages : public MessageService {
public:
    struct Shown {
        QString title, text;
        bool question;
    };
    void warning(QWidget*, const QString& title, const QString& text, std::function<void()> then) override
    {
        shown.push_back({title, text, false});
        if (then)
            then();  // the user presses OK at once
    }
    void question(QWidget*, const QString& title, const QString& text, std::function<void(bool)> then) override
    {
        shown.push_back({title, text, true});
        if (then)
            then(answerYes);
    }
    std::vector<Shown> shown;
    bool answerYes = true;
};

class FakeStarter : public ProgramStarter {
public:
    bool start(const QString& commandLine) override
    {
        started << commandLine;
        return succeed;
    }
    QStringList started;
    bool succeed = false;
};

// A screen in the mode the test sets. Every switch asked is kept, and takes
// effect unless the screen refuses it.
class FakeDisplayMode : public DisplayMode {
public:
    struct Mode {
        int32_t width, height, bits;
        bool operator==(const Mode&) const = default;
    };
    int32_t Modua_Irakurri_Bitak() override { return mode.bits; }
    int32_t Modua_Irakurri_Altuera() override { return mode.height; }
    int32_t Modua_Irakurri_Zabalera() override { return mode.width; }
    bool Modua_Aldatu(int32_t width, int32_t height, int32_t bits) override
    {
        switches.push_back({width, height, bits});
        if (!refuses)
            mode = {width, height, bits};
        return !refuses;
    }
    Mode mode{1024, 768, 16};
    std::vector<Mode> switches;
    bool refuses = false;
};

struct FakePlatform {
    VirtualClock clock;
    FakePictureLoader pictures;
    FakeBeeper beeper;
    FakeMessages messages;
    FakeStarter starter;
    FakeDisplayMode display;
    Platform platform{clock, pictures, beeper, messages, starter, display};
};
