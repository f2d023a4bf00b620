#include "spanish_texts.h"

#include "datapath/diagram.h"
#include "main_window.h"

#include <QAction>

namespace {

enum class Prop {
    Caption,  // the window's own caption
    Text,     // caption of a label, frame or button, text of a text box
    Tip,      // tooltip of a diagram element
    Menu,     // caption of a menu entry
};

struct Write {
    const char* control;
    int member;  // -1: not a member of an indexed collection
    Prop prop;
    const char* text;
};

// Tooltips inviting a click that opens a zoom window, and the speed keys' hint.
constexpr char kEmTip[] = "Haciendo click se visualizan todos los registros";
constexpr char kMnTip[] = "Haciendo click se visualizan todos los datos de la MP";
constexpr char kClkTip[] = "Pulsando '+' y '-' varía la velocidad del reloj";
constexpr char kAsmTip[] = "Haciendo click se visualiza el algoritmo por completo";

// Every write, in order. The button-bar texts keep their runs of blanks, so the
// key names line up as they do in Basque.
const Write kWrites[] = {
    {"", -1, Prop::Caption, "Simulador de la U.P. de un procesador simple [RIRIv4]"},

    {"EM_etik_G", -1, Prop::Text, "CR"},
    {"EM_HELBa_G", -1, Prop::Text, "@d"},
    {"EM_HELBb_G", -1, Prop::Text, "@f1"},
    {"EM_HELBc_G", -1, Prop::Text, "@f2"},

    {"EM_G", -1, Prop::Tip, kEmTip},
    {"EM_DATin_G", -1, Prop::Tip, kEmTip},
    {"EM_LD_G", -1, Prop::Tip, kEmTip},
    {"EM_HELBa_G", -1, Prop::Tip, kEmTip},
    {"EM_HELBb_G", -1, Prop::Tip, kEmTip},
    {"EM_HELBc_G", -1, Prop::Tip, kEmTip},
    {"EM_etik_G", -1, Prop::Tip, kEmTip},
    {"EM_Qi_G", -1, Prop::Tip, kEmTip},
    {"EM_Qj_G", -1, Prop::Tip, kEmTip},
    {"EM_CLK_G", -1, Prop::Tip, kEmTip},

    {"Rd_G", 0, Prop::Text, "Rd"},
    {"Rd_G", 1, Prop::Text, "Rd"},
    {"Ri_G", 0, Prop::Text, "Rf1"},
    {"Ri_G", 1, Prop::Text, "Rf1"},
    {"Rj_G", 0, Prop::Text, "Rf2"},
    {"Rj_G", 1, Prop::Text, "Rf2"},
    {"IR1_AK_G", -1, Prop::Text, "CO"},
    {"UAL_EK_G", -1, Prop::Text, "Oper"},
    {"MN_etik_G", -1, Prop::Text, "MP"},
    {"MN_HELB_G", -1, Prop::Text, "DIR"},

    {"MN_G", -1, Prop::Tip, kMnTip},
    {"MN_DATout_G", -1, Prop::Tip, kMnTip},
    {"MN_HELB_G", -1, Prop::Tip, kMnTip},
    {"MN_etik_G", -1, Prop::Tip, kMnTip},
    {"MN_DAT_G", -1, Prop::Tip, kMnTip},
    {"MN_CS_G", -1, Prop::Tip, kMnTip},
    {"MN_OE_G", -1, Prop::Tip, kMnTip},
    {"MN_WR_G", -1, Prop::Tip, kMnTip},
    {"MN_DATin_G", -1, Prop::Tip, kMnTip},

    {"Rlag_etik_G", -1, Prop::Text, "Raux"},
    {"muxh3_h3_G", -1, Prop::Text, "hRaux"},
    {"F_erlojua", -1, Prop::Text, "Velocidad reloj"},

    {"Text1", -1, Prop::Tip, kClkTip},
    {"Clk_T", -1, Prop::Tip, kClkTip},
    {"Command2", -1, Prop::Tip, kClkTip},
    {"Command1", -1, Prop::Tip, kClkTip},

    {"Frame2", -1, Prop::Text, "Interfaz de control"},
    {"ga", 0, Prop::Text, "Cargar programa     F8"},
    {"ga", 1, Prop::Text, "Iniciar sistema              F5"},
    {"ga", 2, Prop::Text, "Parar / Seguir              F6"},
    {"ga", 3, Prop::Text, "Terminar                      F7"},
    {"ga", 4, Prop::Text, "Marcha continua       F2"},
    {"ga", 5, Prop::Text, "1 ciclo de reloj           F3"},
    {"ga", 6, Prop::Text, "1 instrucción              F4"},
    {"ga", 7, Prop::Text, "Ayuda                  F1"},
    {"ga", 8, Prop::Text, "Salir                  Ctrl+Q"},

    {"Label14", -1, Prop::Text, "Algoritmo ASM"},
    {"Label11", -1, Prop::Text, "Estado anterior"},
    {"Label27", -1, Prop::Text, "Estado presente"},
    {"Label28", -1, Prop::Text, "Estado siguiente"},

    {"ASM_G", -1, Prop::Tip, kAsmTip},
    {"Label14", -1, Prop::Tip, kAsmTip},
    {"Label11", -1, Prop::Tip, kAsmTip},
    {"Label27", -1, Prop::Tip, kAsmTip},
    {"Label28", -1, Prop::Tip, kAsmTip},
    {"ASM_aurreko_egoera_G", -1, Prop::Tip, kAsmTip},
    {"ASM_oraingo_egoera_G", -1, Prop::Tip, kAsmTip},
    {"ASM_hurrengo_egoera_G", -1, Prop::Tip, kAsmTip},
    {"ASM_aurre_ego_Seinaleak_G", 0, Prop::Tip, kAsmTip},
    {"ASM_orain_ego_Seinaleak_G", 1, Prop::Tip, kAsmTip},
    {"ASM_hur_ego_Seinaleak_G", 2, Prop::Tip, kAsmTip},

    // "About_Kovi" keeps "&About RIRIv4", the same in both languages.
    {"Artxiboa", -1, Prop::Menu, "&Archivo"},
    {"Irten", -1, Prop::Menu, "&Salir"},
    {"Programak", -1, Prop::Menu, "&Programas"},
    {"Programa_kargatu", -1, Prop::Menu, "&Cargar programa"},
    {"Funtzionamendua", -1, Prop::Menu, "&Funcionamiento"},
    {"Sistema_martxan_ipini", -1, Prop::Menu, "&Iniciar sistema"},
    {"Exekuzio_motak", -1, Prop::Menu, "&Tipos de ejecución"},
    {"Martxan_etengabe", -1, Prop::Menu, "&Marcha continua"},
    {"Erloju_ziklo_bat", -1, Prop::Menu, "&1 ciclo de reloj"},
    {"Agindu_oso_bat", -1, Prop::Menu, "&1 instrucción"},
    {"Eten_Segi", -1, Prop::Menu, "&Parar / Seguir"},
    {"Bukatu", -1, Prop::Menu, "&Terminar"},
    {"Laguntza", -1, Prop::Menu, "&Ayuda"},
    {"Nola_erabili", -1, Prop::Menu, "&Cómo utilizar..."},
};

}  // namespace

void Gazteleraz_ipini(MainWindow& main)
{
    // A misspelt control or menu name aborts with the name (diagram and menu lookups).
    for (const Write& w : kWrites) {
        const QString text = QString::fromUtf8(w.text);
        const QString control = QLatin1String(w.control);
        switch (w.prop) {
        case Prop::Caption:
            main.setWindowTitle(text);
            break;
        case Prop::Text:
            main.diagram()(control, w.member).setText(text);
            break;
        case Prop::Tip:
            main.diagram()(control, w.member).setTip(text);
            break;
        case Prop::Menu:
            main.menu(control).setText(text);
            break;
        }
    }
}
