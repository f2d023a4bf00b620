#pragma once
// What the three zoom windows share: each is shown modeless over the disabled
// main window while the run goes on; closing it gives the main window back and
// unloads it, so its next use starts from the design texts again. Finish only
// hides it.
#include <QDialog>
#include <functional>

class MainWindow;

class ZoomWindow : public QDialog {
    Q_OBJECT
public:
    ZoomWindow(MainWindow& main, const QString& name);

    // Made visible by an opener, which then disables the main window.
    void showOverMain();

    // Runs when the window unloads; the main window forgets it then.
    std::function<void()> onUnload;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override { close(); }  // Escape unloads like the close box

    MainWindow& main_;
};
