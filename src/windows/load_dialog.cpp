#include "load_dialog.h"

#include "main_window.h"

LoadDialog::LoadDialog(MainWindow& main) : QDialog(nullptr), main_(main) {}
