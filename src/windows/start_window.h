#pragma once
// The start window (the design's Aurkezpena): welcomes the user in both
// languages and offers the Basque and the Spanish simulator. The choice fixes the
// language for the run, checks the display mode and shows the main window; this
// window then hides for good but stays, since the program ends only through the
// main window.
#include <QWidget>
#include <functional>
#include <memory>

class MainWindow;
class QLabel;
class QLineEdit;
struct Platform;

class StartWindow : public QWidget {
    Q_OBJECT
public:
    // `main` is the program's one main window, empty until it is first needed.
    StartWindow(Platform& platform, std::unique_ptr<MainWindow>& main);
    ~StartWindow() override;

    // The main window, created (which loads it) on first use. Its exit goes
    // through this window's `quit`.
    MainWindow& mainWindow();

    // Ends the program at once, with no unload; tests replace it to observe the end.
    std::function<void()> quit;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The design's Picture1_Click / Text4_Click (false) and Picture2_Click / Text5_Click (true).
    void choose(bool spanish);
    void showMain();

    Platform& platform_;
    std::unique_ptr<MainWindow>& main_;
    bool chosen_ = false;
    QLabel* Picture1 = nullptr;  // Basque flag
    QLineEdit* Text4 = nullptr;  // Basque choice
    QLabel* Picture2 = nullptr;  // Spanish flag
    QLineEdit* Text5 = nullptr;  // Spanish choice
};
