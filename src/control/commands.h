#pragma once
// The main window's commands: run modes, pause, speed, start, load, finish, help,
// exit, About, and the window's load and unload.
class MainWindow;

class Commands {
public:
    explicit Commands(MainWindow& window);

    void Form_Load();
    void Kovi_hasieratu();
    void Form_Unload();

    void ga_Click(int index);
    void Programa_kargatu_Click();
    void Sistema_martxan_ipini_Click();
    void Eten_Segi_Click();
    void Bukatu_Click();  // the user's Finish: finish(false)
    // Finish; fromProgramEnd is true only when fetch1's end-of-program stop runs it,
    // which leaves the step at -1 for the dispatcher's increment.
    void finish(bool fromProgramEnd);
    void Martxan_etengabe_Click();
    void Erloju_ziklo_bat_Click();
    void Agindu_oso_bat_Click();
    void Nola_erabili_Click();
    void Irten_Click();
    void About_Kovi_Click();
    void Command2_Click();  // speed up
    void Command1_Click();  // slow down
    void Form_KeyPress(int keyAscii);

private:
    MainWindow& w_;
};
