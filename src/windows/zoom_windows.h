#pragma once
#include <QDialog>

class MainWindow;

class MemoryZoom : public QDialog {
    Q_OBJECT
public:
    explicit MemoryZoom(MainWindow& main);
private:
    MainWindow& main_;
};

class RegisterZoom : public QDialog {
    Q_OBJECT
public:
    explicit RegisterZoom(MainWindow& main);
private:
    MainWindow& main_;
};

class AsmZoom : public QDialog {
    Q_OBJECT
public:
    explicit AsmZoom(MainWindow& main);
private:
    MainWindow& main_;
};
