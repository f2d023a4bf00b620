#include "commands.h"

#include "windows/main_window.h"

Commands::Commands(MainWindow& window) : w_(window) {}

void Commands::Form_Load() {}
void Commands::Form_Unload() { w_.quit(); }
void Commands::Form_KeyPress(int) {}
void Commands::Irten_Click() { Form_Unload(); }
void Commands::Programa_kargatu_Click() {}
void Commands::Sistema_martxan_ipini_Click() {}
void Commands::Martxan_etengabe_Click() {}
void Commands::Erloju_ziklo_bat_Click() {}
void Commands::Agindu_oso_bat_Click() {}
void Commands::Eten_Segi_Click() {}
void Commands::Bukatu_Click() {}
void Commands::Nola_erabili_Click() {}
void Commands::About_Kovi_Click() {}
