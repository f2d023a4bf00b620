#pragma once
// The memory zoom: fifteen memory rows around an asked address, whose address
// cell is green, with the word the current cycle accesses painted red; an entry
// to go to any address from 0000H to 8000H, buttons for the data and program
// areas, and steps of one address up or down. It only shows memory, never
// changes it.
#include "zoom_cell.h"
#include "zoom_window.h"

#include <array>
#include <cstdint>

class QPushButton;

class MemoryZoom : public ZoomWindow {
    Q_OBJECT
public:
    static constexpr int kRows = 15;
    static constexpr int32_t kLastAddress = 0x8000;

    // Loading draws the rows around the address on the memory address bus.
    explicit MemoryZoom(MainWindow& main);

    void Gorria_ipini(int32_t ind);        // row `ind` accessed: red
    void Txuria_ipini(int32_t ind);        // row `ind` normal
    void Kod_Ag_Helb_idatzi(int32_t ind);  // contents and instruction from memory, "H:" after the address
    void MN_Zoom_eguneratu(int32_t h10, const QString& h16);  // redraw around an address
    void MN_Zoom_txuritu();                                   // remove the accessed marks
    void MN_gazteleraz();                                     // the Spanish texts
    // The entry and the rows around the address on the memory address bus.
    void aroundBusAddress();

    // What the buttons and the entry's keys do.
    void joan_Click();
    void MN_Zoom_Datuak_Click();
    void MN_Zoom_Programa_Click();
    void MN_Zoom_H_handi_Click();
    void MN_Zoom_H_txiki_Click();
    void MN_Zoom_Helb_joan_KeyPress(int key);  // a Qt key

    ZoomCell& Helb(int row) const { return *helb_[row]; }
    ZoomCell& Kod(int row) const { return *kod_[row]; }
    ZoomCell& Ag(int row) const { return *ag_[row]; }
    ZoomCell& Helb_joan() const { return *helbJoan_; }
    void setHelbJoan(const QString& text) { helbJoan_->setText(text); }
    QString helbJoan() const { return helbJoan_->text(); }
    // The row whose address cell is green, -1 for none.
    int askedRow() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Refusal { Empty, TooLarge, Wrong };

    void buildControls();  // the design's controls and texts (memory_zoom_design.cpp)
    void applyTexts(bool spanish);
    void paintRow(int32_t ind, bool accessed);
    void refuse(Refusal why);
    void step(int by);
    void area(int32_t address, const QString& hex);

    std::array<ZoomCell*, kRows> helb_{};
    std::array<ZoomCell*, kRows> kod_{};
    std::array<ZoomCell*, kRows> ag_{};
    ZoomCell* helbJoan_ = nullptr;
};
