#pragma once
// The main window: the datapath diagram with the ASM panel, the button bar and
// the speed frame (one scene that scales to the window), and the menu bar. It
// composes the datapath display, the control unit and the commands, and owns the
// secondary windows, each created on first use.
#include "platform/services.h"

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QGraphicsView;
class Diagram;
class Datapath;
class ControlUnit;
class Commands;
class Timer;
class LoadDialog;
class SplashWindow;
class ResultWindow;
class MemoryZoom;
class RegisterZoom;
class AsmZoom;
class AboutBox;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    Platform& platform() { return platform_; }
    Diagram& diagram() { return *diagram_; }
    Datapath& datapath() { return *datapath_; }
    ControlUnit& control() { return *control_; }
    Commands& commands() { return *commands_; }
    QGraphicsView& view() { return *view_; }

    // Menu entries by their design names ("Eten_Segi", "Programa_kargatu", ...).
    QAction& menu(const QString& name) const;

    Timer& s_h_timer() { return *s_h_timer_; }

    // Secondary windows (the design's P_K, S_H, Amaiera, MN_Zoom, EM_Zoom, ASM_Zoom, A_B).
    LoadDialog& P_K();
    SplashWindow& S_H();
    ResultWindow& Amaiera();
    MemoryZoom& MN_Zoom();
    RegisterZoom& EM_Zoom();
    AsmZoom& ASM_Zoom();
    AboutBox& A_B();
    // Whether a window exists without creating it (unloading destroys them).
    LoadDialog* existingLoadDialog() const { return loadDialog_; }
    void forgetLoadDialog() { loadDialog_ = nullptr; }
    ResultWindow* existingResult() const { return result_; }
    void forgetResult() { result_ = nullptr; }

    // Ends the program; tests replace it to observe the exit.
    std::function<void()> quit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();

    Platform& platform_;
    std::unique_ptr<Diagram> diagram_;
    std::unique_ptr<Datapath> datapath_;
    std::unique_ptr<ControlUnit> control_;
    std::unique_ptr<Commands> commands_;
    std::unique_ptr<Timer> s_h_timer_;
    QGraphicsView* view_ = nullptr;
    QHash<QString, QAction*> menus_;

    LoadDialog* loadDialog_ = nullptr;
    SplashWindow* splash_ = nullptr;
    ResultWindow* result_ = nullptr;
    MemoryZoom* memoryZoom_ = nullptr;
    RegisterZoom* registerZoom_ = nullptr;
    AsmZoom* asmZoom_ = nullptr;
    AboutBox* about_ = nullptr;
};
