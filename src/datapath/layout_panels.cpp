// The parts of the main window around the datapath: the clock with its speed
// frame, the button bar and the ASM panel. They fill the space the buses leave
// free: below the register files on the left and along the bottom edge.
#include "diagram.h"
#include "drawing/pictures.h"
#include "layout_table.h"

namespace layout {
namespace {
using K = ElementKind;
using S = Style;
constexpr BGR W = colour::Window;
constexpr BGR None = colour::Transparent;

// Button-bar cells: two columns, five rows; load and start, the run modes below
// them on the left; pause, finish, help and exit on the right.
constexpr int kBarX[2] = {250, 3080};
constexpr int barY(int row) { return 8900 + row * 480; }
constexpr int kKeyW = 2650, kKeyH = 360;

// ASM panel columns: previous, current, next state, read left to right.
constexpr int kAsmX[3] = {6800, 9650, 12500};
constexpr int kAsmW = 2700;

const Row kPanels[] = {
    // Clock and its speed frame, between the adder's buses and Rlag.
    {K::PictureBox, "Erlojua_G", 7745, 6830, 960, 960, "", colour::ButtonFace},
    {K::Frame, "F_erlojua", 7230, 7880, 2000, 1150, "Erloju - abiadura", colour::ButtonFace},
    {K::TextBox, "Text1", 7330, 8170, 1060, 285, "Clk_Time:"},
    {K::TextBox, "Clk_T", 8450, 8170, 480, 285, "", W, S::Value},
    {K::Button, "Command1", 7330, 8580, 780, 360, "-", colour::LightGreen, S::Name},
    {K::Button, "Command2", 8150, 8580, 780, 360, "+", colour::LightGreen, S::Name},

    // Button bar.
    {K::Frame, "Frame2", 100, 8560, 5800, 2860, "Kontrol interfazea", colour::ButtonFace},
    {K::TextBox, "ga", kBarX[0], barY(0), kKeyW, kKeyH, "Programa kargatu   F8", W, S::Key, 0},
    {K::TextBox, "ga", kBarX[0], barY(1), kKeyW, kKeyH, "Sistema martxan ipini   F5", W, S::Key, 1},
    {K::TextBox, "ga", kBarX[1], barY(0), kKeyW, kKeyH, "Eten / Segi                  F6", W, S::Key, 2},
    {K::TextBox, "ga", kBarX[1], barY(1), kKeyW, kKeyH, "Bukatu                        F7", W, S::Key, 3},
    {K::TextBox, "ga", kBarX[0], barY(2), kKeyW, kKeyH, "Martxan etengabe    F2", W, S::Key, 4},
    {K::TextBox, "ga", kBarX[0], barY(3), kKeyW, kKeyH, "Erloju ziklo bat          F3", W, S::Key, 5},
    {K::TextBox, "ga", kBarX[0], barY(4), kKeyW, kKeyH, "Agindu oso bat         F4", W, S::Key, 6},
    {K::TextBox, "ga", kBarX[1], barY(3), kKeyW, kKeyH, "Laguntza             F1", W, S::Key, 7},
    {K::TextBox, "ga", kBarX[1], barY(4), kKeyW, kKeyH, "Irten                 Ctrl+Q", W, S::Key, 8},

    // ASM panel: the mini chart to the right of the bus to memory, the three
    // states along the bottom edge.
    {K::Label, "Label14", 12560, 7420, 2700, 260, "ASM  algoritmoa", None, S::Name},
    {K::PictureBox, "ASM_G", 12560, 7700, 2700, 1900, "", colour::White},
    {K::Label, "Label11", kAsmX[0], 9720, kAsmW, 250, "Aurreko egoera", None, S::Left},
    {K::TextBox, "ASM_aurreko_egoera_G", kAsmX[0], 9990, kAsmW, 300, "", W, S::Name},
    {K::TextBox, "ASM_aurre_ego_Seinaleak_G", kAsmX[0], 10320, kAsmW, 820, "", W, S::Lines, 0},
    {K::Label, "Label27", kAsmX[1], 9720, kAsmW, 250, "Oraingo egoera", None, S::Left},
    {K::TextBox, "ASM_oraingo_egoera_G", kAsmX[1], 9990, kAsmW, 300, "", colour::Red, S::Name},
    {K::TextBox, "ASM_orain_ego_Seinaleak_G", kAsmX[1], 10320, kAsmW, 820, "", W, S::Lines, 1},
    {K::Label, "Label28", kAsmX[2], 9720, kAsmW, 250, "Hurrengo egoera", None, S::Left},
    {K::TextBox, "ASM_hurrengo_egoera_G", kAsmX[2], 9990, kAsmW, 300, "", W, S::Name},
    {K::TextBox, "ASM_hur_ego_Seinaleak_G", kAsmX[2], 10320, kAsmW, 820, "", W, S::Lines, 2},
};
}  // namespace

void addControlPanels(Diagram& dg)
{
    addAll(dg, kPanels);

    Element& bar = dg("Frame2");
    for (Element* key : dg.members(QStringLiteral("ga"))) {
        key->setContainer(&bar);
        key->setEnabled(key->index() == 0 || key->index() >= 7);
    }

    Element& speed = dg("F_erlojua");
    speed.setEnabled(false);
    const QString speedTip = QStringLiteral("'+' eta '-' sakatuz gero erloju abiadura aldatzen da");
    for (const char* n : {"Text1", "Clk_T", "Command2", "Command1"}) {
        dg(QLatin1String(n)).setContainer(&speed);
        dg(QLatin1String(n)).setTip(speedTip);
    }

    Element& chart = dg("ASM_G");
    chart.setPixmap(QPixmap::fromImage(drawing::asmChart(chart.geometry().size() / 15)));
    dg("Erlojua_G").setBorder(false);

    const QString asmTip = QStringLiteral("Click eginez ASM algoritmo osoa ikusiko da");
    for (const char* n : {"ASM_G", "Label14", "Label11", "Label27", "Label28", "ASM_aurreko_egoera_G",
                          "ASM_oraingo_egoera_G", "ASM_hurrengo_egoera_G"})
        dg(QLatin1String(n)).setTip(asmTip);
    dg("ASM_aurre_ego_Seinaleak_G", 0).setTip(asmTip);
    dg("ASM_orain_ego_Seinaleak_G", 1).setTip(asmTip);
    dg("ASM_hur_ego_Seinaleak_G", 2).setTip(asmTip);
}

}  // namespace layout
