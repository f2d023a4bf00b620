#pragma once
#include <QDialog>

class MainWindow;

class ResultWindow : public QDialog {
    Q_OBJECT
public:
    explicit ResultWindow(MainWindow& main);

private:
    MainWindow& main_;
};
