#pragma once
#include <QDialog>

class MainWindow;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(MainWindow& main);

private:
    MainWindow& main_;
};
