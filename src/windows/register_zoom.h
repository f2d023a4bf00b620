#pragma once
// The register-set zoom: the 32 registers with their contents and the marks of
// the two read ports and the write port.
#include "zoom_cell.h"
#include "zoom_window.h"

#include <array>

class QLabel;

class RegisterZoom : public ZoomWindow {
    Q_OBJECT
public:
    static constexpr int kRegisters = 32;

    explicit RegisterZoom(MainWindow& main);

    // Marks the registers that the three register-address buses name and shows
    // every register's contents. Runs whether the window is shown or not.
    void EM_Eguneratu();
    void gazteleraz();  // the Spanish texts an opener writes

    // The cells of register k, as the design names them.
    ZoomCell& EM_Zoom_Helb(int k) const { return *helb_[size_t(k)]; }
    ZoomCell& EM_Zoom_Dat(int k) const { return *dat_[size_t(k)]; }
    ZoomCell& EM_Zoom_Qi(int k) const { return *qi_[size_t(k)]; }
    ZoomCell& EM_Zoom_Qj(int k) const { return *qj_[size_t(k)]; }
    ZoomCell& EM_Zoom_LD(int k) const { return *ld_[size_t(k)]; }
    // The headings over the names, the contents and the marks.
    QLabel& Label4() const { return *label4_; }
    QLabel& Label1() const { return *label1_; }
    QLabel& Label2() const { return *label2_; }

private:
    using Column = std::array<ZoomCell*, kRegisters>;

    void readRow(int k, const QString& portMark, bool destination, bool portsDiffer, const QString& m);
    void rowLook(int k, BGR back, BGR fore);

    Column helb_{}, dat_{}, qi_{}, qj_{}, ld_{};
    QLabel* label4_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
};
