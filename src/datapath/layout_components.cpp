// The datapath components of the main window. Every block sits where the bus
// table's buses begin and end: a bus leaves from its source's edge and its
// arrow touches the destination's input, so positions below follow the buses.
#include "diagram.h"
#include "drawing/pictures.h"
#include "layout_table.h"

#include <QBitmap>
#include <QPainter>

namespace layout {
namespace {
using K = ElementKind;
using S = Style;
constexpr BGR W = colour::Window;
constexpr BGR Rest = colour::Rest;
constexpr BGR None = colour::Transparent;
constexpr BGR Field = colour::Yellow;
constexpr int kValueW = 1620;  // 16 monospace digits with a margin
constexpr int kValueH = 285;

// Register-number fields stand over the bits they cut from the instruction
// word: the digits of a centred value box start this far in and are this wide.
constexpr int kDigit = 90;
constexpr int kDigitsIn = (kValueW - 16 * kDigit) / 2;
constexpr int fieldX(int boxLeft, int firstDigit) { return boxLeft + kDigitsIn + firstDigit * kDigit + 8; }
constexpr int fieldW(int digits) { return digits * kDigit - 16; }

const Row kComponents[] = {
    // Register set EM: inputs on the left (data and the three addresses), ports at the bottom.
    {K::PictureBox, "EM_G", 4080, 450, 1650, 1950, "", Rest},
    {K::Label, "EM_etik_G", 4950, 500, 700, 330, "EM", Rest, S::Title},
    {K::Label, "EM_DATin_G", 4110, 612, 700, 230, "DATin", None, S::Left},
    {K::TextBox, "EM_LD_G", 5220, 1150, 420, 240, "LD"},
    {K::PictureBox, "EM_CLK_G", 5302, 1500, 255, 255},
    {K::Label, "EM_HELBa_G", 4110, 1212, 450, 230, "@h", None, S::Left},
    {K::Label, "EM_HELBb_G", 4110, 1542, 450, 230, "@i1", None, S::Left},
    {K::Label, "EM_HELBc_G", 4110, 1872, 450, 230, "@i2", None, S::Left},
    {K::Label, "EM_Qj_G", 4777, 2140, 360, 230, "QB"},
    {K::Label, "EM_Qi_G", 5167, 2140, 360, 230, "QA"},

    // Register-number fields at the heads of the address buses.
    {K::Label, "Rd_G", 2460, 1260, 375, 255, "Rh", Field, S::Plain, 1},
    {K::Label, "Ri_G", 2460, 1590, 375, 255, "Ri1", Field, S::Plain, 1},
    {K::Label, "Rj_G", 2460, 1920, 375, 255, "Ri2", Field, S::Plain, 1},

    // mux2 (register-set data in) and mux1 (memory address).
    {K::PictureBox, "mux2_G", 2415, 200, 465, 900, "", None},
    {K::TextBox, "mux2_1_G", 2440, 320, 200, 215, "1"},
    {K::TextBox, "mux2_0_G", 2440, 800, 200, 215, "0", colour::Green},
    {K::TextBox, "mux2_h2_G", 2960, 300, 620, 240, "hmem"},
    {K::PictureBox, "mux1_G", 11415, 2500, 465, 900, "", None},
    {K::TextBox, "mux1_1_G", 11440, 2600, 200, 215, "1"},
    {K::TextBox, "mux1_0_G", 11440, 3080, 200, 215, "0", colour::Green},
    {K::TextBox, "mux1_h1_G", 11340, 2230, 615, 240, "hIR2"},

    // Instruction registers: the fields EK / Rh / Ri1 over IR1's bits, Ri2 over IR2's.
    {K::PictureBox, "IR1_G", 6900, 615, 2700, 1500, "", Rest},
    {K::Label, "IR1_etik_G", 6950, 650, 560, 250, "IR1", Rest, S::Name},
    {K::Label, "IR1_D_G", 8247, 640, 200, 220, "D", None},
    {K::Label, "IR1_AK_G", fieldX(7440, 0), 880, fieldW(6), 230, "EK", Rest},
    {K::Label, "Rd_G", fieldX(7440, 6), 880, fieldW(5), 230, "Rh", Field, S::Plain, 0},
    {K::Label, "Ri_G", fieldX(7440, 11), 880, fieldW(5), 230, "Ri1", Field, S::Plain, 0},
    {K::TextBox, "IR1_DAT_G", 7440, 1120, kValueW, kValueH, "", W, S::Value},
    {K::Label, "IR1_AGINDU_G", 7440, 1450, kValueW, 250, "", W},
    {K::TextBox, "IR1_LD_G", 6960, 1810, 400, 240, "LD"},
    {K::PictureBox, "IR1_CLK_G", 7420, 1802, 255, 255},
    {K::PictureBox, "IR2_G", 10000, 615, 2400, 1425, "", Rest},
    {K::Label, "IR2_etik_G", 10050, 650, 560, 250, "IR2", Rest, S::Name},
    {K::Label, "IR2_D_G", 11487, 640, 200, 220, "D", None},
    {K::Label, "Rj_G", fieldX(10390, 11), 880, fieldW(5), 230, "Ri2", Field, S::Plain, 0},
    {K::TextBox, "IR2_DAT_G", 10390, 1120, kValueW, kValueH, "", W, S::Value},
    {K::Label, "IR2_AGINDU_G", 10390, 1450, kValueW, 250, "", W},
    {K::TextBox, "IR2_LD_G", 10050, 1745, 400, 240, "LD"},
    {K::PictureBox, "IR2_CLK_G", 10500, 1737, 255, 255},

    // Main memory: data out at the top, address on the left, data in at the bottom.
    {K::PictureBox, "MN_G", 12975, 2175, 1725, 4545, "", Rest},
    {K::Label, "MN_DATout_G", 13700, 2205, 960, 230, "DATout", None, S::Right},
    {K::TextBox, "MN_DAT_G", 13027, 2490, kValueW, kValueH, "", W, S::Value},
    {K::Label, "MN_HELB_G", 13005, 2892, 650, 230, "HELB", None, S::Left},
    {K::Label, "MN_etik_G", 13487, 3700, 750, 380, "MN", Rest, S::Title},
    {K::TextBox, "MN_CS_G", 13090, 4500, 450, 240, "CS"},
    {K::TextBox, "MN_OE_G", 13612, 4500, 450, 240, "OE"},
    {K::TextBox, "MN_WR_G", 14135, 4500, 450, 240, "WR"},
    {K::Label, "MN_DATin_G", 13797, 6460, 620, 230, "DATin"},

    // Adder input B multiplexer muxh4 and the constant one.
    {K::PictureBox, "muxh4_G", 9375, 2500, 465, 900, "", None},
    {K::TextBox, "muxh4_1_G", 9615, 2600, 200, 215, "1"},
    {K::TextBox, "muxh4_0_G", 9615, 3080, 200, 215, "0", colour::Green},
    {K::TextBox, "muxh4_h4_G", 9300, 3460, 615, 240, "hdesp"},
    {K::Label, "Bat_G", 9990, 3735, 555, 285, " '1' ", colour::Yellow},

    // Adder: B from muxh4 and A from muxh3 on the left, A+B out at the bottom.
    {K::PictureBox, "Batu_G", 6855, 3000, 1800, 1560, "", Rest},
    {K::Image, "Batu_etik_G", 7395, 3060, 720, 540},
    {K::Label, "Batu_B_G", 6880, 3197, 200, 220, "B", None},
    {K::TextBox, "Batu_DAT_G", 6990, 3680, kValueW, kValueH, "", W, S::Value},
    {K::Label, "Batu_A_G", 6880, 4037, 200, 220, "A", None},
    {K::Label, "Batu_AGEHIB_G", 8047, 4290, 600, 240, "A+B", None},

    // Adder input A multiplexer muxh3: inputs below, output on top.
    {K::PictureBox, "muxh3_G", 6900, 5625, 900, 495, "", None},
    {K::TextBox, "muxh3_1_G", 7010, 5870, 215, 200, "1"},
    {K::TextBox, "muxh3_0_G", 7430, 5870, 215, 200, "0", colour::Green},
    {K::TextBox, "muxh3_h3_G", 7860, 5760, 700, 240, "hRlag"},

    // PC: D on the left from the adder, Q on the right towards mux1, Rlag and muxh3.
    {K::PictureBox, "PC_G", 9255, 5040, 2025, 1080, "", Rest},
    {K::Label, "PC_etik_G", 9300, 5075, 520, 250, "PC", Rest, S::Name},
    {K::Label, "PC_D_G", 9275, 5357, 200, 220, "D", None},
    {K::TextBox, "PC_DAT_G", 9530, 5325, kValueW, kValueH, "", W, S::Value},
    {K::Label, "PC_Q_G", 11060, 5837, 200, 220, "Q", None},
    {K::TextBox, "PC_LD_G", 9330, 5800, 400, 240, "LD"},
    {K::PictureBox, "PC_CLK_G", 9790, 5792, 255, 255},

    // Rlag: D from the top, Q at the bottom.
    {K::PictureBox, "Rlag_G", 9300, 7455, 2025, 1305, "", Rest},
    {K::Label, "Rlag_etik_G", 9350, 7490, 600, 250, "Rlag", Rest, S::Name},
    {K::Label, "Rlag_D_G", 10047, 7480, 200, 220, "D", None},
    {K::TextBox, "Rlag_DAT_G", 9500, 7820, kValueW, kValueH, "", W, S::Value},
    {K::TextBox, "Rlag_LD_G", 9370, 8440, 400, 240, "LD"},
    {K::PictureBox, "Rlag_CLK_G", 9830, 8432, 255, 255},
    {K::Label, "Rlag_Q_G", 10107, 8500, 200, 220, "Q", None},

    // ALU operand registers: RA_G (captioned "RB") on the left, RB_G ("RA") on the right.
    {K::PictureBox, "RA_G", 870, 3360, 2250, 1320, "", Rest},
    {K::Label, "RA_etik_G", 920, 3395, 560, 250, "RB", Rest, S::Name},
    {K::Label, "RA_D_G", 1977, 3385, 200, 220, "D", None},
    {K::TextBox, "RA_DAT_G", 1185, 3720, kValueW, kValueH, "", W, S::Value},
    {K::TextBox, "RA_LD_G", 940, 4360, 400, 240, "LD"},
    {K::PictureBox, "RA_CLK_G", 1400, 4352, 255, 255},
    {K::Label, "RA_Q_G", 1977, 4420, 200, 220, "Q", None},
    {K::PictureBox, "RB_G", 3360, 3360, 2250, 1320, "", Rest},
    {K::Label, "RB_etik_G", 3410, 3395, 560, 250, "RA", Rest, S::Name},
    {K::Label, "RB_D_G", 4527, 3385, 200, 220, "D", None},
    {K::TextBox, "RB_DAT_G", 3675, 3720, kValueW, kValueH, "", W, S::Value},
    {K::TextBox, "RB_LD_G", 3430, 4360, 400, 240, "LD"},
    {K::PictureBox, "RB_CLK_G", 3890, 4352, 255, 255},
    {K::Label, "RB_Q_G", 4407, 4420, 200, 220, "Q", None},

    // ALU: the picture's inputs B (left) and A (right) meet the operand buses.
    {K::PictureBox, "UAL_G", 1200, 5295, 3360, 1200, "", Rest},
    {K::Label, "UAL_B_G", 1560, 5355, 300, 270, "B", None, S::Name},
    {K::Label, "UAL_A_G", 3990, 5355, 300, 270, "A", None, S::Name},
    {K::Label, "UAL_etik_G", 2580, 5800, 600, 270, "UAL", Rest, S::Name},
    {K::Label, "UAL_E_G", 2780, 6495, 200, 210, "E", None},
    {K::TextBox, "UAL_DAT_G", 2520, 6705, 1680, kValueH, "", W, S::Value},
    {K::Label, "UAL_EK_G", 330, 5330, 720, 240, "Erag", None},
    {K::TextBox, "UAL_a2_G", 450, 5620, 420, 240, "a2"},
    {K::TextBox, "UAL_a1_G", 450, 5900, 420, 240, "a1"},
    {K::TextBox, "UAL_a0_G", 450, 6180, 420, 240, "a0"},
    {K::TextBox, "UAL_Z_G", 4700, 5880, 330, 270, "Z", colour::Magenta},
    {K::TextBox, "UAL_N_G", 5090, 5880, 330, 270, "N"},

    // RZ (captioned "RC"): D on the right from the ALU, Q on the left towards mux2.
    {K::PictureBox, "RZ_G", 735, 7350, 2655, 1050, "", Rest},
    {K::Label, "RZ_etik_G", 790, 7385, 560, 250, "RC", Rest, S::Name},
    {K::Label, "RZ_Q_G", 760, 7757, 200, 220, "Q", None},
    {K::TextBox, "RZ_DAT_G", 1300, 7690, kValueW, kValueH, "", W, S::Value},
    {K::Label, "RZ_D_G", 3150, 7727, 200, 220, "D", None},
    {K::TextBox, "RZ_LD_G", 800, 8090, 400, 240, "LD"},
    {K::PictureBox, "RZ_CLK_G", 1260, 8082, 255, 255},
};

// The clock-edge mark: the triangle that marks an edge-triggered input.
QPixmap clockEdgeMark()
{
    QPixmap p(17, 17);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 1.6));
    painter.drawPolyline(QPolygonF{QPointF(4, 2.5), QPointF(13.5, 8.5), QPointF(4, 14.5)});
    return p;
}

struct MuxShape {
    const char* name;
    drawing::Side output;
};
const MuxShape kMuxes[] = {
    {"mux1_G", drawing::Side::Right},
    {"mux2_G", drawing::Side::Right},
    {"muxh4_G", drawing::Side::Left},
    {"muxh3_G", drawing::Side::Top},
};
}  // namespace

void addDatapathComponents(Diagram& dg)
{
    addAll(dg, kComponents);

    for (const MuxShape& m : kMuxes) {
        Element& e = dg(QLatin1String(m.name));
        e.setPixmap(drawing::masked(drawing::multiplexer(e.geometry().size() / 15, m.output)));
        e.setBorder(false);
    }
    const QPixmap mark = clockEdgeMark();
    for (const char* reg : {"PC", "IR1", "IR2", "Rlag", "RA", "RB", "RZ", "EM"})
        dg(QLatin1String(reg) + QLatin1String("_CLK_G")).setPixmap(mark);

    // Design pictures, shown until the start-up loads the run-time bitmaps.
    dg("UAL_G").setPixmap(drawing::masked(drawing::alu(false)));
    dg("Batu_etik_G").setPixmap(drawing::masked(drawing::adder(false)));
    dg("Bat_G").setBorder(true);
    dg("UAL_Z_G").setFore(colour::Window);

    const QString emTip = QStringLiteral("Click eginez EM-ren barneko datuak ikusiko dira");
    for (const char* n : {"EM_G", "EM_DATin_G", "EM_LD_G", "EM_HELBa_G", "EM_HELBb_G", "EM_HELBc_G", "EM_etik_G",
                          "EM_Qi_G", "EM_Qj_G", "EM_CLK_G"})
        dg(QLatin1String(n)).setTip(emTip);
    const QString mnTip = QStringLiteral("Click eginez MN-ren barneko datuak ikusiko dira");
    for (const char* n : {"MN_G", "MN_DATout_G", "MN_HELB_G", "MN_etik_G", "MN_DAT_G", "MN_CS_G", "MN_OE_G",
                          "MN_WR_G", "MN_DATin_G"})
        dg(QLatin1String(n)).setTip(mnTip);
}

}  // namespace layout
