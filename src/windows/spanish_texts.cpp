#include "spanish_texts.h"

#include "main_window.h"

void Gazteleraz_ipini(MainWindow&) {}
