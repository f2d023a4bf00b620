#pragma once
// Drives the simulator as a user does: load A and B, start the system, run.
#include "sim_fixture.h"

#include "control/commands.h"
#include "control/control_unit.h"
#include "windows/load_dialog.h"
#include "windows/result_window.h"
#include "windows/splash_window.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMap>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace driving {

inline QLineEdit* box(Sim& s, const char* name) { return s.w->P_K().findChild<QLineEdit*>(QLatin1String(name)); }

// Opens the load dialog, types A and B and presses the accept button.
inline void load(Sim& s, const QString& a, const QString& b)
{
    s.el("ga", 0).click();
    box(s, "Text2")->setText(a);
    box(s, "Text3")->setText(b);
    s.w->P_K().findChild<QPushButton*>(QStringLiteral("Command1"))->click();
}

inline bool splashShown(Sim& s) { return s.w->S_H().isVisible(); }

// Start command, then the whole start-up cycle; true when the cycle ended.
inline bool start(Sim& s)
{
    s.el("ga", 1).click();
    return s.clock().advanceUntil([&] { return !splashShown(s); }, 5000);
}

inline bool loadAndStart(Sim& s, const QString& a, const QString& b)
{
    load(s, a, b);
    return start(s);
}

inline bool pressed(Sim& s, int entry)
{
    return s.el("ga", entry).back() == colour::Red && s.el("ga", entry).fore() == colour::Window;
}

inline bool released(Sim& s, int entry)
{
    return s.el("ga", entry).back() == colour::Window && s.el("ga", entry).fore() == colour::ButtonText;
}

inline QAction& menu(Sim& s, const char* name) { return s.w->menu(QLatin1String(name)); }

inline bool resultShown(Sim& s) { return s.w->existingResult() && s.w->existingResult()->isVisible(); }

// Presses '+' on the speed frame `level` times from level 0.
inline void setLevel(Sim& s, int level)
{
    for (int i = 0; i < level; ++i)
        s.el("Command2").click();
}

// Runs in the mode of button-bar entry `entry` (4 continuous, 5 one cycle, 6 one
// instruction) until the result window shows; false when the run never ends.
inline bool runToResult(Sim& s, int entry)
{
    constexpr qint64 kLimitMs = qint64(1) << 40;  // simulated; a long run still ends far sooner
    Timer& clock = s.w->control().clockTimer();
    for (int commands = 0; commands < 1000000; ++commands) {
        s.el("ga", entry).click();
        if (!s.clock().advanceUntil([&] { return resultShown(s) || !clock.isEnabled(); }, kLimitMs))
            return false;
        if (resultShown(s))
            return true;
    }
    return false;
}

// A closed window of ours is deleted later: now, for the test to see it gone.
inline void unloadNow() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

inline void closeResult(Sim& s)
{
    s.w->existingResult()->close();
    unloadNow();
}

// Runs the clock to the next edge that runs a state action (each beeps once);
// false when none comes.
inline bool nextEdge(Sim& s)
{
    const int before = s.fp.beeper.count;
    for (int i = 0; i < 100000; ++i) {
        if (!s.clock().step())
            return false;
        if (s.fp.beeper.count != before)
            return true;
    }
    return false;
}

// A whole continuous run of 5 times 3 watched through a zoom window.
struct ZoomRun {
    int openAt = 0;                          // the state edge at which `open` runs
    std::function<QWidget&()> open;          // shows the window and returns it
    std::function<void(int edge)> atTick;    // after every tick, with the edges so far
    std::function<void()> atEnd = [] {};     // once the end has hidden the window
};

// After every tick until the result shows, the window stays shown over the
// disabled main window. The end hides it without unloading it, the product is
// 15, and closing the result gives the main window back.
inline void runWithZoomOpen(Sim& s, const ZoomRun& run)
{
    QVERIFY(loadAndStart(s, QStringLiteral("5"), QStringLiteral("3")));
    s.el("ga", 4).click();
    int edge = 0;
    for (; edge < run.openAt; ++edge)
        QVERIFY(nextEdge(s));
    QPointer<QWidget> zoom = &run.open();
    for (int beeps = s.fp.beeper.count;;) {
        QVERIFY(s.clock().step());
        if (s.fp.beeper.count != beeps) {
            beeps = s.fp.beeper.count;
            ++edge;
        }
        if (resultShown(s))
            break;
        QVERIFY(zoom && zoom->isVisible());
        QVERIFY(!s.w->isEnabled());
        run.atTick(edge);
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY(zoom);
    QVERIFY(!zoom->isVisible());
    run.atEnd();
    QCOMPARE(s.w->existingResult()->Hamartar(2)->text(), QStringLiteral("15"));
    QVERIFY(!s.w->isEnabled());
    closeResult(s);
    QVERIFY(s.w->isEnabled());
    QVERIFY(s.el("ga", 0).isUsable());
}

// Every text of the main window by key: "/caption", "Rd_G(1)/text",
// "EM_G/tip", "Irten/menu".
inline QMap<QString, QString> everyText(MainWindow& w)
{
    QMap<QString, QString> all{{QStringLiteral("/caption"), w.windowTitle()}};
    for (const Element* e : w.diagram().all()) {
        all.insert(e->id() + QLatin1String("/text"), e->text());
        all.insert(e->id() + QLatin1String("/tip"), e->tip());
    }
    for (QAction* a : w.findChildren<QAction*>())
        if (!a->objectName().isEmpty() && !a->objectName().startsWith(QLatin1String("qt_")))
            all.insert(a->objectName() + QLatin1String("/menu"), a->text());
    return all;
}

// Keys as a keyboard sends them: to whatever has the focus now, with no click to
// put it anywhere. '\t' is Tab and '\n' Enter. False when the focus is nowhere
// and the keys are lost.
inline bool typeIntoFocus(const QString& keys)
{
    for (QChar c : keys) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            return false;
        if (c == QLatin1Char('\t'))
            QTest::keyClick(focus, Qt::Key_Tab);
        else if (c == QLatin1Char('\n'))
            QTest::keyClick(focus, Qt::Key_Return);
        else
            QTest::keyClicks(focus, QString(c));
    }
    return true;
}

inline bool pressIntoFocus(Qt::Key key)
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        return false;
    QTest::keyClick(focus, key);
    return true;
}

// Activation comes asynchronously from the window system: true once `window`
// is the active window with the focus on `focus`.
inline bool hasTheKeys(QWidget* window, QWidget* focus)
{
    return QTest::qWaitFor(
        [&] { return QApplication::activeWindow() == window && QApplication::focusWidget() == focus; }, 1000);
}

}  // namespace driving
