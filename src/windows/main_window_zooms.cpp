// The zoom windows of the main window: each created on first use and forgotten
// when it unloads, and the diagram elements that open them.
#include "main_window.h"

#include "asm_zoom.h"
#include "control/control_unit.h"
#include "datapath/diagram.h"
#include "memory_zoom.h"
#include "model/globals.h"
#include "register_zoom.h"

namespace {
struct Opener {
    const char* name;
    int index;  // the member of an indexed collection, -1 for a single element
};

// The memory block.
const Opener kMemoryBlock[] = {{"MN_G", -1},        {"MN_etik_G", -1}, {"MN_HELB_G", -1},
                               {"MN_DATin_G", -1},  {"MN_DATout_G", -1}, {"MN_CS_G", -1},
                               {"MN_OE_G", -1},     {"MN_WR_G", -1},   {"MN_DAT_G", -1}};

// The register-set block.
const Opener kRegisterBlock[] = {{"EM_G", -1},       {"EM_etik_G", -1}, {"EM_HELBa_G", -1}, {"EM_HELBb_G", -1},
                                 {"EM_HELBc_G", -1}, {"EM_Qi_G", -1},   {"EM_Qj_G", -1},    {"EM_DATin_G", -1},
                                 {"EM_LD_G", -1},    {"EM_CLK_G", -1}};

// The ASM panel: the three state boxes, their signal boxes, the mini-chart and
// the captions above them.
const Opener kAsmPanel[] = {{"ASM_aurreko_egoera_G", -1},     {"ASM_oraingo_egoera_G", -1},
                            {"ASM_hurrengo_egoera_G", -1},    {"ASM_aurre_ego_Seinaleak_G", 0},
                            {"ASM_orain_ego_Seinaleak_G", 1}, {"ASM_hur_ego_Seinaleak_G", 2},
                            {"ASM_G", -1},                    {"Label11", -1},
                            {"Label27", -1},                  {"Label28", -1},
                            {"Label14", -1}};

template <size_t N>
void openOnClick(Diagram& dg, const Opener (&elements)[N], const std::function<void()>& open)
{
    for (const Opener& e : elements)
        dg(QLatin1String(e.name), e.index).onClick = open;
}

// A zoom window that is forgotten when it unloads, so the next use loads it anew.
template <class Zoom>
Zoom& loaded(Zoom*& zoom, MainWindow& main)
{
    if (!zoom) {
        zoom = new Zoom(main);
        zoom->onUnload = [&zoom] { zoom = nullptr; };
    }
    return *zoom;
}
}  // namespace

void MainWindow::connectZoomOpeners()
{
    openOnClick(*diagram_, kMemoryBlock, [this] { MN_Zoom_ikusi(); });
    openOnClick(*diagram_, kRegisterBlock, [this] { openRegisterZoom(); });
    openOnClick(*diagram_, kAsmPanel, [this] { openAsmZoom(); });
}

MemoryZoom& MainWindow::MN_Zoom() { return loaded(memoryZoom_, *this); }
RegisterZoom& MainWindow::EM_Zoom() { return loaded(registerZoom_, *this); }
AsmZoom& MainWindow::ASM_Zoom() { return loaded(asmZoom_, *this); }

void MainWindow::MN_Zoom_ikusi()
{
    if (G().Gaztelera)
        MN_Zoom().MN_gazteleraz();
    // The run calls this at every memory access: a window already shown stays
    // where it is and does not take the keyboard again.
    if (!MN_Zoom().isVisible())
        MN_Zoom().showOverMain();
    setEnabled(false);
    MN_Zoom().aroundBusAddress();
}

void MainWindow::openRegisterZoom()
{
    EM_Zoom().EM_Eguneratu();
    if (G().Gaztelera)
        EM_Zoom().gazteleraz();
    EM_Zoom().showOverMain();
    setEnabled(false);
}

void MainWindow::openAsmZoom()
{
    ASM_Zoom().ASM_eguneratu(control_->rs.Egoera_Zenbakia);
    if (G().Gaztelera)
        ASM_Zoom().ASM_gazteleraz();
    ASM_Zoom().showOverMain();
    setEnabled(false);
}
