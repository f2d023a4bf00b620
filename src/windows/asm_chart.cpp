#include "asm_chart.h"

#include "model/globals.h"

namespace asm_chart {

const StateBox kStateBoxes[11] = {
    {"ASM_fetch1", 2280, 540, 2865, 1065,
     {"IRAK_MEM (cs, oe)", "KARGA_IR1 (ld_ir1)", "INKR_PC (ld_pc)", "KARGA_RLAG (ld_rlag)"},
     {"LEE_MEM (cs, oe)", "CARGA_IR1 (ld_ir1)", "INCR_PC (ld_pc)", "CARGA_RAUX (ld_Raux)"}},
    {"ASM_fetch2", 2370, 2160, 2865, 885,
     {"IRAK_MEM (cs, oe)", "KARGA_IR2 (ld_ir2)", "INKR_PC (ld_pc)"},
     {"LEE_MEM (cs, oe)", "CARGA_IR2 (ld_ir2)", "INCR_PC (ld_pc)"}},
    {"ASM_desk", 2370, 3600, 2865, 585, {}, {}},
    {"ASM_ld", 420, 5580, 1635, 1125,
     {"IRAK_MEM", "(hIR2, cs, oe)", "KARGA_EM", "(hmem, ld_EM)"},
     {"LEE_MEM", "(hIR2, cs, oe)", "CARGA_CR", "(hmem, ld_CR)"}},
    {"ASM_st", 2190, 5580, 1665, 915,
     {"IRAK_EM", "IDATZ_MEM", "(hIR2, cs, wr)"},
     {"LEE_CR", "ESCRIBE_MEM", "(hIR2, cs, wr)"}},
    {"ASM_add1", 4050, 5580, 2145, 915,
     {"IRAK_EM", "KARGA_RA (ld_RA)", "KARGA_RB (ld_RB)"},
     {"LEE_CR", "CARGA_RA (ld_RA)", "CARGA_RB (ld_RB)"}},
    {"ASM_add2", 4080, 7140, 2145, 645, {"UAL", "KARGA_RC (ld_RC)"}, {"UAL", "CARGA_RC (ld_RC)"}},
    {"ASM_add3", 4080, 8550, 2145, 495, {"KARGA_EM (ld_EM)"}, {"CARGA_CR (ld_CR)"}},
    {"ASM_beq1", 6270, 5580, 2145, 735, {"IRAK_EM", "KARGA_RA (ld_RA)"}, {"LEE_CR", "CARGA_RA (ld_RA)"}},
    {"ASM_beq2", 6450, 6840, 1755, 525, {"UAL (a2a1a0)"}, {"UAL (a2a1a0)"}},
    {"ASM_beq3", 6570, 8670, 1695, 795,
     {"KARGA_PC", "(ld_pc, hRlag, ", "hdesp)"},
     {"CARGA_PC", "(ld_pc, hRaux, hdesp)"}},
};

QString basqueText(const StateBox& box)
{
    QString text;
    for (const char* line : box.basque)
        text += QLatin1String(line) + QLatin1String("\r\n");
    return text;
}

QString spanishText(const StateBox& box)
{
    QStringList lines;
    for (const char* line : box.spanish)
        lines << QLatin1String(line);
    return lines.join(QString::fromStdString(G().Lerro_Jauzia));
}

const Decision kDecisions[2] = {
    {"AK", 3360, 4590, 825, 375, "EK", "CO"},
    {"Z", 7320, 7890, 255, 330, "Z", "Z"},
};

QPolygon decisionOutline(const QRect& box)
{
    // One pixel (15 twips) above the box and just below it, so that the box
    // covers neither edge; pointed by half its height, kept on whole pixels.
    const int top = box.top() - 15;
    const int bottom = box.top() + box.height();
    const int point = (bottom - top) / 2 / 15 * 15;
    const int middle = top + point;
    const int right = box.left() + box.width();
    return QPolygon({{box.left() - point, middle},
                     {box.left(), top},
                     {right, top},
                     {right + point, middle},
                     {right, bottom},
                     {box.left(), bottom}});
}

using K = LabelKind;
const Label kLabels[23] = {
    {"Label7", 1650, 300, 630, 240, "fetch1", nullptr, K::StateName},
    {"Label8", 1740, 1920, 630, 240, "fetch2", nullptr, K::StateName},
    {"Label9", 1830, 3360, 525, 240, "desk", "desc", K::StateName},
    {"Label10", 510, 5310, 210, 240, "ld", nullptr, K::StateName},
    {"Label11", 2190, 5310, 195, 240, "st", nullptr, K::StateName},
    {"Label12", 4080, 5310, 540, 240, "add1", nullptr, K::StateName},
    {"Label14", 4110, 6870, 540, 240, "add2", nullptr, K::StateName},
    {"Label15", 4080, 8280, 540, 240, "add3", nullptr, K::StateName},
    {"Label13", 6390, 5310, 540, 240, "beq1", nullptr, K::StateName},
    {"Label16", 6450, 6570, 540, 240, "beq2", nullptr, K::StateName},
    {"Label17", 6510, 8400, 540, 240, "beq3", nullptr, K::StateName},
    {"Label18", 2550, 4530, 255, 240, "00", nullptr, K::Exit},
    {"Label19", 2790, 5040, 255, 240, "03", nullptr, K::Exit},
    {"Label20", 4860, 4920, 255, 240, "09", nullptr, K::Exit},
    {"Label21", 4980, 4530, 255, 240, "26", nullptr, K::Exit},
    {"Label22", 6990, 7770, 135, 240, "0", nullptr, K::Exit},
    {"Label23", 7500, 8310, 135, 240, "1", nullptr, K::Exit},
    {"Label1", 5250, 570, 1290, 240, "/*  hIR2=0  */", nullptr, K::Comment},
    {"Label2", 5220, 1080, 2325, 240, "/* hRlag=0, hdesp=0 */", "/* hRaux=0, hdesp=0 */", K::Comment},
    {"Label3", 5310, 2190, 1170, 240, "/* hIR2=0 */", nullptr, K::Comment},
    {"Label4", 5280, 2700, 2325, 240, "/* hRlag=0, hdesp=0 */", "/* hRaux=0, hdesp=0 */", K::Comment},
    {"Label5", 2340, 7230, 1710, 240, "/* a2a1a0=000 */", nullptr, K::Comment},
    {"Label6", 2700, 8610, 1320, 240, "/* hmem=0 */", nullptr, K::Comment},
};

// Three columns carry the main flow: x 3780 from fetch1 to the opcode decision,
// 5145 down the ADD states, 7440 down the BEQ states. The return lines run at
// y 6900 under ld and st and y 9630 along the bottom, and up x 120 at the left.
const Segment kSegments[30] = {
    {"ASM_fetch1", 3780, 1605, 3780, 2160, "ASM_fetch2"},
    {"ASM_fetch2", 3780, 3045, 3780, 3600, "ASM_desk"},
    {"ASM_desk", 3780, 4185, 3780, 4575, "AK"},
    {"AK:00", 3165, 4770, 1230, 4770, ""},
    {"^", 1230, 4770, 1230, 5580, "ASM_ld"},
    {"AK:03", 3450, 4965, 3450, 5100, ""},
    {"^", 3450, 5100, 3090, 5100, ""},
    {"^", 3090, 5100, 3090, 5580, "ASM_st"},
    {"AK:09", 4095, 4965, 4095, 5100, ""},
    {"^", 4095, 5100, 4815, 5100, ""},
    {"^", 4815, 5100, 4815, 5580, "ASM_add1"},
    {"AK:26", 4380, 4770, 7440, 4770, ""},
    {"^", 7440, 4770, 7440, 5580, "ASM_beq1"},
    {"ASM_add1", 5145, 6495, 5145, 7140, "ASM_add2"},
    {"ASM_add2", 5145, 7785, 5145, 8550, "ASM_add3"},
    {"ASM_beq1", 7440, 6315, 7440, 6840, "ASM_beq2"},
    {"ASM_beq2", 7440, 7365, 7440, 7875, "Z"},
    {"Z:1", 7440, 8220, 7440, 8670, "ASM_beq3"},
    {"ASM_ld", 1230, 6705, 1230, 6900, "ldst"},
    {"ASM_st", 3015, 6495, 3015, 6900, "ldst"},
    {"ldst", 3015, 6900, 1230, 6900, ""},
    {"^", 1230, 6900, 120, 6900, "return"},
    {"ASM_add3", 5145, 9045, 5145, 9630, "return"},
    {"ASM_beq3", 7440, 9465, 7440, 9630, "return"},
    {"Z:0", 7155, 8040, 6390, 8040, ""},
    {"^", 6390, 8040, 6390, 9630, "return"},
    {"return", 7440, 9630, 120, 9630, ""},
    {"^", 120, 9630, 120, 6900, ""},
    {"^", 120, 6900, 120, 1065, ""},
    {"^", 120, 1065, 2280, 1065, "ASM_fetch1"},
};

}  // namespace asm_chart
