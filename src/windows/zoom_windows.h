#pragma once
// The three zoom windows. They exist, hidden, from their first use on; the state
// actions keep them up to date whether or not they are shown.
#include "datapath/colours.h"

#include <QDialog>
#include <QHash>
#include <QString>
#include <cstdint>

class MainWindow;

// Fifteen memory rows around an asked address, with the accessed row marked.
class MemoryZoom : public QDialog {
    Q_OBJECT
public:
    explicit MemoryZoom(MainWindow& main);

    void MN_Zoom_ikusi();                                     // open or refresh on the bus address
    void MN_Zoom_eguneratu(int32_t h10, const QString& h16);  // redraw around an address
    void MN_Zoom_txuritu();                                   // remove the accessed marks

    // The address entry.
    void setHelbJoan(const QString& text) { helbJoan_ = text; }
    QString helbJoan() const { return helbJoan_; }

private:
    MainWindow& main_;
    QString helbJoan_;
};

// The 32 registers with their contents and port marks.
class RegisterZoom : public QDialog {
    Q_OBJECT
public:
    explicit RegisterZoom(MainWindow& main);
    void EM_Eguneratu();

private:
    MainWindow& main_;
};

// The control algorithm as an ASM chart; the box of the running state is green.
class AsmZoom : public QDialog {
    Q_OBJECT
public:
    explicit AsmZoom(MainWindow& main);

    // The eleven state boxes in state order, "ASM_fetch1" .. "ASM_beq3".
    static const QStringList& boxNames();

    void setBox(const QString& name, BGR c);
    BGR box(const QString& name) const;
    // State 0 clears every box; 1..11 paints that state's box green; anything else does nothing.
    void ASM_eguneratu(int16_t egoera);

private:
    MainWindow& main_;
    QHash<QString, BGR> boxes_;
};
