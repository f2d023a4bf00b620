#pragma once
#include <QDialog>

class MainWindow;

class SplashWindow : public QDialog {
    Q_OBJECT
public:
    explicit SplashWindow(MainWindow& main);

private:
    MainWindow& main_;
};
