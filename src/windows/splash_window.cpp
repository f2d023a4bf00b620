#include "splash_window.h"

#include "main_window.h"

SplashWindow::SplashWindow(MainWindow& main) : QDialog(nullptr), main_(main) {}
