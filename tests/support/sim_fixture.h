#pragma once
// A whole main window on fake platform seams and a virtual clock: what a test
// needs to drive the simulator as a user does, in simulated time.
#include "datapath/datapath.h"
#include "datapath/diagram.h"
#include "fake_platform.h"
#include "model/globals.h"
#include "model/memoria.h"
#include "windows/main_window.h"
#include "windows/start_window.h"

#include <memory>

struct Sim {
    FakePlatform fp;
    std::unique_ptr<MainWindow> w;
    int quitCalls = 0;

    std::unique_ptr<Platform> withReal;

    // `pictures` and `messages` replace the fakes, for tests that need the real
    // bitmaps or the real message boxes.
    explicit Sim(bool spanish = false, PictureLoader* pictures = nullptr, MessageService* messages = nullptr)
    {
        freshMachine();
        G().Gaztelera = spanish;
        if (pictures || messages)
            withReal = std::make_unique<Platform>(Platform{fp.clock, pictures ? *pictures : fp.pictures, fp.beeper,
                                                           messages ? *messages : fp.messages, fp.starter,
                                                           fp.display, fp.registry});
        w = std::make_unique<MainWindow>(withReal ? *withReal : fp.platform);
        w->quit = [this] { ++quitCalls; };
    }

    // The program as it begins: only the start window, whose choice creates `w`;
    // both windows end the program through `quitCalls`.
    struct FromStartWindow {};
    std::unique_ptr<StartWindow> start;
    explicit Sim(FromStartWindow)
    {
        freshMachine();
        start = std::make_unique<StartWindow>(fp.platform, w);
        start->quit = [this] { ++quitCalls; };
    }

    ~Sim() { w.reset(); }

    static void freshMachine()
    {
        resetGlobals();
        MN().hasieratu();
        EM().hasieratu();
    }

    Element& el(const QString& name, int index = -1) const { return w->diagram()(name, index); }
    Datapath& dp() const { return w->datapath(); }
    VirtualClock& clock() { return fp.clock; }
};
