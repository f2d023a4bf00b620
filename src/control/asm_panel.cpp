#include "asm_panel.h"

#include "datapath/diagram.h"
#include "model/globals.h"

#include <array>

namespace {

struct PanelText {
    const char* nameBasque;
    const char* nameSpanish;
    std::array<const char*, 4> basque;   // unused entries are nullptr
    std::array<const char*, 4> spanish;
};

// Indexed by AsmState.
const PanelText kTexts[] = {
    {"fetch1", "fetch1", {"IRAK_MEM", "KARGA_IR1", "INKR_PC", "KARGA_RLAG"}, {"LEE_MEM", "CARGA_IR1", "INCR_PC", "CARGA_RAUX"}},
    {"fetch2", "fetch2", {"IRAK_MEM", "KARGA_IR2", "INKR_PC"}, {"LEE_MEM", "CARGA_IR2", "INCR_PC"}},
    {"desk", "desc", {}, {}},
    {"ld", "ld", {"IRAK_MEM", "KARGA_EM"}, {"LEE_MEM", "CARGA_CR"}},
    {"st", "st", {"IRAK_EM", "IDATZ_MEM"}, {"LEE_CR", "ESCRIBE_MEM"}},
    {"add1", "add1", {"IRAK_EM", "KARGA_RA", "KARGA_RB"}, {"LEE_CR", "CARGA_RA", "CARGA_RB"}},
    {"add2", "add2", {"UAL", "KARGA_RC"}, {"UAL", "CARGA_RC"}},
    {"add3", "add3", {"KARGA_EM"}, {"CARGA_CR"}},
    {"beq1", "beq1", {"IRAK_EM", "KARGA_RA"}, {"LEE_CR", "CARGA_RA"}},
    {"beq2", "beq2", {"UAL"}, {"UAL"}},
    {"beq3", "beq3", {"KARGA_PC"}, {"CARGA_PC"}},
};

const PanelText& texts(AsmState s) { return kTexts[static_cast<int>(s)]; }

}  // namespace

namespace asm_panel {

QString displayedName(AsmState s)
{
    return QLatin1String(G().Gaztelera ? texts(s).nameSpanish : texts(s).nameBasque);
}

QString signalList(AsmState s)
{
    const auto& names = G().Gaztelera ? texts(s).spanish : texts(s).basque;
    const QString separator = QString::fromStdString(G().Lerro_Jauzia);
    QString list;
    for (const char* name : names) {
        if (!name)
            break;
        if (!list.isEmpty())
            list += separator;
        list += QLatin1String(name);
    }
    return list;
}

void shiftUp(Diagram& dg)
{
    dg("ASM_aurreko_egoera_G").setText(dg("ASM_oraingo_egoera_G").text());
    dg("ASM_aurre_ego_Seinaleak_G", 0).setText(dg("ASM_orain_ego_Seinaleak_G", 1).text());
    dg("ASM_oraingo_egoera_G").setText(dg("ASM_hurrengo_egoera_G").text());
    dg("ASM_orain_ego_Seinaleak_G", 1).setText(dg("ASM_hur_ego_Seinaleak_G", 2).text());
}

void writeNext(Diagram& dg, AsmState next)
{
    dg("ASM_hurrengo_egoera_G").setText(displayedName(next));
    dg("ASM_hur_ego_Seinaleak_G", 2).setText(signalList(next));
}

void shift(Diagram& dg, AsmState next)
{
    shiftUp(dg);
    writeNext(dg, next);
}

}  // namespace asm_panel
