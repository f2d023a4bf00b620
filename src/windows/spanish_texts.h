#pragma once
// The main window's texts in Spanish, written once when Spanish is chosen; its
// design texts are the Basque ones.
class MainWindow;

void Gazteleraz_ipini(MainWindow& main);
