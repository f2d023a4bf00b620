#include "about_box.h"

#include "main_window.h"

AboutBox::AboutBox(MainWindow& main) : QDialog(nullptr), main_(main) {}
