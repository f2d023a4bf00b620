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
#include <QPushButton>
#include <QTest>

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

inline void closeResult(Sim& s)
{
    s.w->existingResult()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
