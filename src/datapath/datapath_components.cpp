// The components' start looks and their highlights, as lists of property writes.
// Each initialiser writes its own controls only, in the order listed, so Finish
// can run them again and get exactly the start-up look.
#include "datapath.h"

#include <initializer_list>

namespace {
enum class Prop { Text, Tip, Back, Fore, Picture };

struct Write {
    const char* name;
    Prop prop;
    const char* value = nullptr;  // text, tooltip or picture path
    BGR colour = 0;
    int index = -1;
};

constexpr Write text(const char* n, const char* s, int i = -1) { return {n, Prop::Text, s, 0, i}; }
constexpr Write tip(const char* n, const char* s) { return {n, Prop::Tip, s}; }
constexpr Write back(const char* n, BGR c, int i = -1) { return {n, Prop::Back, nullptr, c, i}; }
constexpr Write fore(const char* n, BGR c) { return {n, Prop::Fore, nullptr, c}; }
constexpr Write picture(const char* n, const char* path) { return {n, Prop::Picture, path}; }

constexpr const char* kZero = "0000000000000000";
constexpr const char* kUAL = "pictures\\UAL.bmp";
constexpr const char* kUALRed = "pictures\\UAL_gorria.bmp";
constexpr const char* kAdder = "pictures\\batukari_morea.bmp";
constexpr const char* kAdderRed = "pictures\\batukari_gorria.bmp";

using colour::Green;
using colour::Rest;
using colour::Window;

void apply(Datapath& d, std::initializer_list<Write> writes)
{
    for (const Write& w : writes) {
        Element& e = d.el(QLatin1String(w.name), w.index);
        switch (w.prop) {
        case Prop::Text:
            e.setText(QLatin1String(w.value));
            break;
        case Prop::Tip:
            e.setTip(QLatin1String(w.value));
            break;
        case Prop::Back:
            e.setBack(w.colour);
            break;
        case Prop::Fore:
            e.setFore(w.colour);
            break;
        case Prop::Picture:
            e.loadPicture(QLatin1String(w.value));
            break;
        }
    }
}

// Block <c>_G and name label <c>_etik_G share one colour: lit or at rest.
void lightPair(Datapath& d, const QString& c, BGR colour)
{
    d.el(c + QLatin1String("_G")).setBack(colour);
    d.el(c + QLatin1String("_etik_G")).setBack(colour);
}
}  // namespace

void Datapath::PC_hasieratu()
{
    apply(*this, {text("PC_DAT_G", "0100000000000000"), back("PC_G", Rest), back("PC_etik_G", Rest),
                  back("PC_LD_G", Window), back("PC_CLK_G", Window)});
}

void Datapath::UAL_hasieratu()
{
    // The zero flag starts lit: the ALU's value starts at zero.
    apply(*this, {text("UAL_DAT_G", kZero), back("UAL_G", Rest), back("UAL_etik_G", Rest),
                  back("UAL_Z_G", colour::Magenta), fore("UAL_Z_G", Window), back("UAL_a0_G", Window),
                  back("UAL_a1_G", Window), back("UAL_a2_G", Window), back("UAL_N_G", Window),
                  fore("UAL_N_G", colour::ButtonText), tip("UAL_EK_G", "E=A+B"), picture("UAL_G", kUAL)});
}

void Datapath::RA_RB_hasieratu()
{
    apply(*this, {text("RA_DAT_G", kZero), text("RB_DAT_G", kZero), back("RA_G", Rest), back("RA_etik_G", Rest),
                  back("RB_G", Rest), back("RB_etik_G", Rest), back("RA_LD_G", Window), back("RB_LD_G", Window),
                  back("RA_CLK_G", Window), back("RB_CLK_G", Window)});
}

void Datapath::RZ_hasieratu()
{
    apply(*this, {text("RZ_DAT_G", kZero), back("RZ_G", Rest), back("RZ_etik_G", Rest), back("RZ_LD_G", Window),
                  back("RZ_CLK_G", Window)});
}

void Datapath::Bat_hasieratu() { apply(*this, {back("Bat_G", colour::Yellow), tip("Bat_G", "0000000000000001")}); }

void Datapath::Muxh4_hasieratu()
{
    apply(*this, {back("muxh4_0_G", Green), back("muxh4_1_G", Window), back("muxh4_h4_G", Window)});
}

void Datapath::Muxh3_hasieratu()
{
    apply(*this, {back("muxh3_0_G", Green), back("muxh3_1_G", Window), back("muxh3_h3_G", Window)});
}

void Datapath::Rlag_hasieratu()
{
    apply(*this, {text("Rlag_DAT_G", kZero), back("Rlag_G", Rest), back("Rlag_etik_G", Rest),
                  back("Rlag_LD_G", Window), back("Rlag_CLK_G", Window)});
}

void Datapath::Batu_hasieratu()
{
    apply(*this, {text("Batu_DAT_G", "0100000000000001"), back("Batu_G", Rest), picture("Batu_etik_G", kAdder)});
}

void Datapath::IR_hasieratu()
{
    apply(*this, {text("IR1_DAT_G", kZero), text("IR2_DAT_G", kZero), back("IR1_G", Rest), back("IR1_etik_G", Rest),
                  back("IR2_G", Rest), back("IR2_etik_G", Rest), back("IR1_AK_G", Rest), back("IR1_LD_G", Window),
                  back("IR2_LD_G", Window), back("IR1_CLK_G", Window), back("IR2_CLK_G", Window),
                  back("IR1_AGINDU_G", Window), fore("IR1_AGINDU_G", colour::ButtonText), text("IR1_AGINDU_G", ""),
                  back("IR2_AGINDU_G", Window), fore("IR2_AGINDU_G", colour::ButtonText), text("IR2_AGINDU_G", "")});
}

void Datapath::MUX_hasieratu()
{
    apply(*this, {back("mux2_0_G", Green), back("mux1_0_G", Green), back("mux2_1_G", Window),
                  back("mux2_h2_G", Window), back("mux1_1_G", Window), back("mux1_h1_G", Window)});
}

void Datapath::EM_hasieratu()
{
    apply(*this, {back("EM_G", Rest), back("EM_etik_G", Rest), back("EM_LD_G", Window), back("EM_CLK_G", Window)});
}

void Datapath::MN_hasieratu()
{
    apply(*this, {text("MN_DAT_G", "zzzzzzzzzzzzzzzz"), back("MN_G", Rest), back("MN_etik_G", Rest),
                  back("MN_CS_G", Window), back("MN_OE_G", Window), back("MN_WR_G", Window)});
}

void Datapath::ASM_hasieratu()
{
    apply(*this, {text("ASM_aurreko_egoera_G", ""), text("ASM_oraingo_egoera_G", ""), text("ASM_hurrengo_egoera_G", ""),
                  text("ASM_aurre_ego_Seinaleak_G", "", 0), text("ASM_orain_ego_Seinaleak_G", "", 1),
                  text("ASM_hur_ego_Seinaleak_G", "", 2), back("ASM_aurreko_egoera_G", Window),
                  back("ASM_hurrengo_egoera_G", Window), back("ASM_aurre_ego_Seinaleak_G", Window, 0),
                  back("ASM_orain_ego_Seinaleak_G", Window, 1), back("ASM_hur_ego_Seinaleak_G", Window, 2),
                  back("ASM_oraingo_egoera_G", colour::Red)});
}

void Datapath::Erloju_Irudia_hasieratu() { apply(*this, {picture("Erlojua_G", "clocks\\t12.bmp")}); }

void Datapath::osagaiak_hasieratu()
{
    PC_hasieratu();
    UAL_hasieratu();
    RA_RB_hasieratu();
    RZ_hasieratu();
    Bat_hasieratu();
    Muxh4_hasieratu();
    Muxh3_hasieratu();
    Rlag_hasieratu();
    Batu_hasieratu();
    IR_hasieratu();
    MUX_hasieratu();
    EM_hasieratu();
    MN_hasieratu();
    ASM_hasieratu();
}

// --- Highlights. The ALU shows its lit state by its picture and label only; its
// block keeps the rest colour. The adder changes block colour and picture.
void Datapath::PC_piztu() { lightPair(*this, QStringLiteral("PC"), colour::Lit); }
void Datapath::PC_itzali() { lightPair(*this, QStringLiteral("PC"), Rest); }
void Datapath::IR1_piztu() { lightPair(*this, QStringLiteral("IR1"), colour::Lit); }
void Datapath::IR1_itzali() { lightPair(*this, QStringLiteral("IR1"), Rest); }
void Datapath::IR2_piztu() { lightPair(*this, QStringLiteral("IR2"), colour::Lit); }
void Datapath::IR2_itzali() { lightPair(*this, QStringLiteral("IR2"), Rest); }
void Datapath::Rlag_piztu() { lightPair(*this, QStringLiteral("Rlag"), colour::Lit); }
void Datapath::Rlag_itzali() { lightPair(*this, QStringLiteral("Rlag"), Rest); }
void Datapath::RA_piztu() { lightPair(*this, QStringLiteral("RA"), colour::Lit); }
void Datapath::RA_itzali() { lightPair(*this, QStringLiteral("RA"), Rest); }
void Datapath::RB_piztu() { lightPair(*this, QStringLiteral("RB"), colour::Lit); }
void Datapath::RB_itzali() { lightPair(*this, QStringLiteral("RB"), Rest); }
void Datapath::RZ_piztu() { lightPair(*this, QStringLiteral("RZ"), colour::Lit); }
void Datapath::RZ_itzali() { lightPair(*this, QStringLiteral("RZ"), Rest); }
void Datapath::EM_piztu() { lightPair(*this, QStringLiteral("EM"), colour::Lit); }
void Datapath::EM_itzali() { lightPair(*this, QStringLiteral("EM"), Rest); }
void Datapath::MN_piztu() { lightPair(*this, QStringLiteral("MN"), colour::Lit); }
void Datapath::MN_itzali() { lightPair(*this, QStringLiteral("MN"), Rest); }
void Datapath::UAL_piztu() { apply(*this, {picture("UAL_G", kUALRed), back("UAL_etik_G", colour::Lit)}); }
void Datapath::UAL_itzali() { apply(*this, {picture("UAL_G", kUAL), back("UAL_etik_G", Rest)}); }
void Datapath::Batu_piztu() { apply(*this, {back("Batu_G", colour::Lit), picture("Batu_etik_G", kAdderRed)}); }
void Datapath::Batu_itzali() { apply(*this, {back("Batu_G", Rest), picture("Batu_etik_G", kAdder)}); }
