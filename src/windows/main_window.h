#pragma once
// The main window: the datapath diagram with the ASM panel, the button bar and
// the speed frame (one scene that scales to the window), and the menu bar. It
// composes the datapath display, the control unit and the commands, and owns the
// secondary windows, each created on first use, and serves the control unit's
// requests for them.
#include "control/control_host.h"
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

class MainWindow : public QMainWindow, public ControlHost {
    Q_OBJECT
public:
    explicit MainWindow(Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    Platform& platform() override { return platform_; }
    Diagram& diagram() override { return *diagram_; }
    Datapath& datapath() override { return *datapath_; }
    ControlUnit& control() override { return *control_; }
    Commands& commands() override { return *commands_; }
    QGraphicsView& view() { return *view_; }

    // Menu entries by their design names ("Eten_Segi", "Programa_kargatu", ...).
    QAction& menu(const QString& name) const override;

    Timer& s_h_timer() override { return *s_h_timer_; }

    // Gives the keyboard back to the diagram when a secondary window goes: without
    // a window manager nothing else would, and the speed keys and F-keys would be lost.
    // Does nothing while the main window is disabled: another window of ours has the keys.
    void takeFocusBack();

    // Secondary windows (the design's P_K, S_H, Amaiera, MN_Zoom, EM_Zoom, ASM_Zoom, A_B).
    LoadDialog& P_K();
    SplashWindow& S_H();
    ResultWindow& Amaiera();
    MemoryZoom& MN_Zoom();
    RegisterZoom& EM_Zoom();
    AsmZoom& ASM_Zoom();
    AboutBox& A_B();
    // Zoom openers: the clicks on the memory block, the register-set block and the
    // ASM panel.
    void MN_Zoom_ikusi();
    void openRegisterZoom();
    void openAsmZoom();

    // Whether a window exists without creating it (unloading destroys them).
    LoadDialog* existingLoadDialog() const { return loadDialog_; }
    void forgetLoadDialog() { loadDialog_ = nullptr; }
    ResultWindow* existingResult() const { return result_; }
    void forgetResult() { result_ = nullptr; }
    AboutBox* existingAbout() const { return about_; }
    void forgetAbout() { about_ = nullptr; }

    // Ends the program; tests replace it to observe the exit.
    std::function<void()> quit;

    // What the control unit asks of the windows.
    void setMainEnabled(bool on) override { setEnabled(on); }
    void exitProgram() override { quit(); }
    void restoreDisplayMode() override;
    void openLoadDialog() override;
    void openSplash() override;
    void splashProgress() override;
    void hideSplash() override;
    void showResult() override;
    void openAbout() override;
    bool memoryZoomShown() override;
    void memoryZoomFollow() override;
    void memoryZoomRedraw() override;
    void memoryZoomUnmark() override;
    void registerZoomRefresh() override;
    void asmZoomBox(const QString& box, BGR c) override;
    void asmZoomState(int16_t egoera) override;
    void hideZooms() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void connectZoomOpeners();

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
