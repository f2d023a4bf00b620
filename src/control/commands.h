#pragma once
// The main window's commands: run modes, pause, speed, start, load, finish, help,
// exit, About, and the window's load and unload.
class ControlHost;
class Element;
class Timer;
class QString;

class Commands {
public:
    explicit Commands(ControlHost& host);

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
    void s_h_timer_Timer();  // one progress step of the start-up splash

    // Button-bar looks: pressed marks a running mode, the paused clock, the
    // start-up under way and the open load dialog.
    void press(int entry);
    void release(int entry);
    // A button-bar entry and its menu entry are usable together.
    void setCommandEnabled(int entry, bool on);

private:
    Element& ga(int index) const;
    Timer& clock() const;
    void selectMode(int mode);
    void changeSpeed(int step);
    void machineToRest();
    void fieldsAndBusesToRest();
    void clearRunFlags();
    void speedToLevelZero();

    ControlHost& w_;
};
