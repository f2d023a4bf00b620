#include "result_window.h"

#include "main_window.h"

ResultWindow::ResultWindow(MainWindow& main) : QDialog(nullptr), main_(main) {}
