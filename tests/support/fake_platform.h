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

struct FakePlatform {
    VirtualClock clock;
    FakePictureLoader pictures;
    FakeBeeper beeper;
    FakeMessages messages;
    FakeStarter starter;
    Platform platform{clock, pictures, beeper, messages, starter};
};
