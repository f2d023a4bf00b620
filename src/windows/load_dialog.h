#pragma once
#include <QDialog>

class MainWindow;

class LoadDialog : public QDialog {
    Q_OBJECT
public:
    explicit LoadDialog(MainWindow& main);

private:
    MainWindow& main_;
};
