#pragma once
// The start-up splash: shown modally by the start command while the clock runs
// the start-up cycle, with a row of asterisks growing as a sign of progress. Only
// the clock ends it (hideByClock); the user cannot close it.
#include <QDialog>

class MainWindow;
class QLabel;

class SplashWindow : public QDialog {
    Q_OBJECT
public:
    explicit SplashWindow(MainWindow& main);

    QLabel* Picture2() const { return picture2_; }
    QLabel* puntuak() const { return puntuak_; }
    void setBanner(const QPixmap& banner);

    // One more asterisk; the row starts again after twenty.
    void step();
    // Ends the modal display and clears the progress row for the next start.
    void hideByClock();

    int16_t Puntu_Kontagailua = 0;  // asterisks added since the last reset

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override {}

private:
    MainWindow& main_;
    QLabel* picture2_ = nullptr;
    QLabel* puntuak_ = nullptr;
};
