#pragma once
// Fakes of every platform seam, bundled so a test builds a whole main window
// that never sleeps, beeps, opens a real message box or starts a program.
#include "platform/services.h"
#include "virtual_clock.h"

#include <QByteArray>
#include <QMap>
#include <QStringList>
#include <cstring>
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
        bool plain = false;  // no icon, the program's own title
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
    void notice(QWidget*, const QString& text, std::function<void()> then) override
    {
        shown.push_back({QString(), text, false, true});
        if (then)
            then();
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

// Keys by path (under any root), values by name as raw bytes with their type.
// Every call is logged as a line: "open <root> <path> <access>", "query <key>
// <name> <size in>", "close <key>" (numbers in hex).
class FakeRegistry : public Registry {
public:
    struct Value {
        uint32_t type;
        QByteArray data;
    };
    int32_t open(uint32_t root, const QString& keyPath, uint32_t, uint32_t access, uint32_t& key) override
    {
        calls << QStringLiteral("open %1 %2 %3").arg(root, 0, 16).arg(keyPath).arg(access, 0, 16);
        const int at = paths().indexOf(keyPath);
        if (at < 0)
            return 2;
        key = uint32_t(at + 1);
        return 0;
    }
    int32_t query(uint32_t key, const QString& valueName, uint32_t, uint32_t& type, char* data,
                  uint32_t& size) override
    {
        calls << QStringLiteral("query %1 %2 %3").arg(key, 0, 16).arg(valueName).arg(size);
        if (key < 1 || key > uint32_t(paths().size()) || !keys[paths()[key - 1]].contains(valueName))
            return 2;
        const Value& v = keys[paths()[key - 1]][valueName];
        if (uint32_t(v.data.size()) > size) {
            size = uint32_t(v.data.size());
            return 234;
        }
        std::memcpy(data, v.data.constData(), size_t(v.data.size()));
        size = uint32_t(v.data.size());
        type = v.type;
        return 0;
    }
    int32_t close(uint32_t key) override
    {
        calls << QStringLiteral("close %1").arg(key, 0, 16);
        return 0;
    }
    QStringList paths() const { return keys.keys(); }

    QMap<QString, QMap<QString, Value>> keys;
    QStringList calls;
};

struct FakePlatform {
    VirtualClock clock;
    FakePictureLoader pictures;
    FakeBeeper beeper;
    FakeMessages messages;
    FakeStarter starter;
    FakeDisplayMode display;
    FakeRegistry registry;
    Platform platform{clock, pictures, beeper, messages, starter, display, registry};
};
