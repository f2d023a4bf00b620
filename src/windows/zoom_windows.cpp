#include "zoom_windows.h"

#include "main_window.h"

MemoryZoom::MemoryZoom(MainWindow& main) : QDialog(nullptr), main_(main) {}
RegisterZoom::RegisterZoom(MainWindow& main) : QDialog(nullptr), main_(main) {}
AsmZoom::AsmZoom(MainWindow& main) : QDialog(nullptr), main_(main) {}
