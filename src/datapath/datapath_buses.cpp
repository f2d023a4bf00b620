// The buses as data: which piece arrays carry which value, which arrays a reset
// returns to idle and where it takes the value from, and which arrays each info
// operation paints. The public operations are one-line wrappers over these tables.
#include "datapath.h"
#include "datapath_impl.h"

#include <vector>

namespace {
// A value carried by one or more piece arrays: what one set-value operation writes.
enum Carrier { cMN, cIR, cBatu, cPC, cRlag, cEMi, cEMj, cRA, cRB, cRZ, cMuxh4, cMuxh3, cBat, cRd, cRi, cRj, cUAL, cMux1, cMux2 };

const std::vector<const char*> kCarried[] = {
    /* cMN    */ {"Bus_MN_mux", "Bus_MN_IR1", "Bus_MN_IR2"},
    /* cIR    */ {"Bus_IR2_muxh4", "Bus_IR2_mux"},
    /* cBatu  */ {"Bus_Batu_PC"},
    /* cPC    */ {"Bus_PC_mux", "Bus_PC_Rlag", "Bus_PC_muxh3"},
    /* cRlag  */ {"Bus_Rlag_mux"},
    /* cEMi   */ {"Bus_EM_MN", "Bus_EM_RB"},
    /* cEMj   */ {"Bus_EM_RA"},
    /* cRA    */ {"Bus_RA_UAL"},
    /* cRB    */ {"Bus_RB_UAL"},
    /* cRZ    */ {"Bus_RZ_mux"},
    /* cMuxh4 */ {"Bus_muxh4_Batu"},
    /* cMuxh3 */ {"Bus_muxh3_Batu"},
    /* cBat   */ {"Bus_Bat_mux"},
    /* cRd    */ {"Bus_Rd_EM"},
    /* cRi    */ {"Bus_Ri_EM"},
    /* cRj    */ {"Bus_Rj_EM"},
    /* cUAL   */ {"Bus_UAL_RZ"},
    /* cMux1  */ {"Bus_mux_MN"},
    /* cMux2  */ {"Bus_mux_EM"},
};
static_assert(std::size(kCarried) == cMux2 + 1);

// Where a reset reads the value it puts back on a bus: a box's text or a tooltip.
struct Feed {
    Carrier to;
    bool fromTip;
    const char* source;
    int index = -1;
};

struct Group {
    std::vector<Carrier> carriers;  // the arrays returned to idle
    std::vector<Feed> feeds;        // empty: the bus keeps the values it carries
};

enum GroupId { gMN, gIR, gBatu, gPC, gRlag, gEM, gRARB, gRZ, gMuxh4, gMuxh3, gBat, gRd, gRi, gRj, gUAL, gMux };

const Group kGroups[] = {
    /* gMN    */ {{cMN}, {{cMN, false, "MN_DAT_G"}}},
    /* gIR    */ {{cIR}, {{cIR, false, "IR2_DAT_G"}}},
    /* gBatu  */ {{cBatu}, {{cBatu, false, "Batu_DAT_G"}}},
    /* gPC    */ {{cPC}, {{cPC, false, "PC_DAT_G"}}},
    /* gRlag  */ {{cRlag}, {{cRlag, false, "Rlag_DAT_G"}}},
    /* gEM    */ {{cEMi, cEMj}, {}},
    /* gRARB  */ {{cRA, cRB}, {{cRA, false, "RA_DAT_G"}, {cRB, false, "RB_DAT_G"}}},
    /* gRZ    */ {{cRZ}, {{cRZ, false, "RZ_DAT_G"}}},
    /* gMuxh4 */ {{cMuxh4}, {{cMuxh4, true, "Bat_G"}}},
    /* gMuxh3 */ {{cMuxh3}, {{cMuxh3, false, "PC_DAT_G"}}},
    /* gBat   */ {{cBat}, {{cBat, true, "Bat_G"}}},
    /* gRd    */ {{cRd}, {{cRd, true, "Rd_G", 1}}},
    /* gRi    */ {{cRi}, {{cRi, true, "Ri_G", 1}}},
    /* gRj    */ {{cRj}, {{cRj, true, "Rj_G", 1}}},
    /* gUAL   */ {{cUAL}, {{cUAL, false, "UAL_DAT_G"}}},
    /* gMux   */ {{cMux1, cMux2}, {{cMux1, false, "PC_DAT_G"}, {cMux2, false, "UAL_DAT_G"}}},
};
static_assert(std::size(kGroups) == gMux + 1);

void carry(Datapath& d, Carrier c, const QString& value)
{
    const QString v = value;  // the caller may pass a text that this very write replaces
    for (const char* bus : kCarried[c])
        for (Element* piece : dp::pieces(d, bus))
            piece->setTip(v);
    for (const char* bus : kCarried[c])
        dp::arrow(d, bus).setTip(v);
}

void reset(Datapath& d, GroupId g)
{
    const Group& group = kGroups[g];
    for (Carrier c : group.carriers)
        for (const char* bus : kCarried[c])
            for (Element* piece : dp::pieces(d, bus))
                piece->setBack(colour::Window);
    for (Carrier c : group.carriers)
        for (const char* bus : kCarried[c])
            dp::arrow(d, bus).loadPicture(dp::arrowLook(bus, "txuria"));
    if (g == gMN)  // the memory no longer drives its output
        d.el(QStringLiteral("MN_DAT_G")).setText(QStringLiteral("zzzzzzzzzzzzzzzz"));
    for (const Feed& f : group.feeds) {
        const Element& src = d.el(QLatin1String(f.source), f.index);
        carry(d, f.to, f.fromTip ? src.tip() : src.text());
    }
}

// An info operation is a list of stages; each stage paints its buses' pieces in one
// pass over the index (piece 0 of every bus before piece 1), then their arrows.
using Stage = std::vector<const char*>;
enum InfoId { iPC, iBatu, iRlag, iIR2, iMN, iEMi, iEMj, iRA, iRB, iUAL, iRZ, iMuxh3, iMuxh4, iBat, iRd, iRi, iRj, iMux1, iMux2 };

const std::vector<Stage> kInfo[] = {
    /* iPC    */ {{"Bus_PC_mux"}, {"Bus_PC_Rlag"}, {"Bus_PC_muxh3"}},
    /* iBatu  */ {{"Bus_Batu_PC"}},
    /* iRlag  */ {{"Bus_Rlag_mux"}},
    /* iIR2   */ {{"Bus_IR2_muxh4"}, {"Bus_IR2_mux"}},
    /* iMN    */ {{"Bus_MN_mux"}, {"Bus_MN_IR1", "Bus_MN_IR2"}},
    /* iEMi   */ {{"Bus_EM_MN"}, {"Bus_EM_RB"}},
    /* iEMj   */ {{"Bus_EM_RA"}},
    /* iRA    */ {{"Bus_RA_UAL"}},
    /* iRB    */ {{"Bus_RB_UAL"}},
    /* iUAL   */ {{"Bus_UAL_RZ"}},
    /* iRZ    */ {{"Bus_RZ_mux"}},
    /* iMuxh3 */ {{"Bus_muxh3_Batu"}},
    /* iMuxh4 */ {{"Bus_muxh4_Batu"}},
    /* iBat   */ {{"Bus_Bat_mux"}},
    /* iRd    */ {{"Bus_Rd_EM"}},
    /* iRi    */ {{"Bus_Ri_EM"}},
    /* iRj    */ {{"Bus_Rj_EM"}},
    /* iMux1  */ {{"Bus_mux_MN"}},
    /* iMux2  */ {{"Bus_mux_EM"}},
};
static_assert(std::size(kInfo) == iMux2 + 1);

void paintStages(Datapath& d, const std::vector<Stage>& stages, BGR colour, const char* arrowVersion)
{
    for (const Stage& stage : stages) {
        qsizetype longest = 0;
        for (const char* bus : stage)
            longest = std::max(longest, dp::pieces(d, bus).size());
        for (qsizetype i = 0; i < longest; ++i)
            for (const char* bus : stage)
                if (i < dp::pieces(d, bus).size())
                    dp::pieces(d, bus)[i]->setBack(colour);
        for (const char* bus : stage)
            dp::arrow(d, bus).loadPicture(dp::arrowLook(bus, arrowVersion));
    }
}

void info(Datapath& d, InfoId i) { paintStages(d, kInfo[i], colour::Teal, "info"); }

// A register-number field: five characters of an instruction register's text onto
// the field's two labels and its bus. A short text gives what is there.
void cutField(Datapath& d, const char* reg, int from, const char* labels, Carrier c)
{
    const QString field = d.el(QLatin1String(reg)).text().mid(from, 5);
    d.el(QLatin1String(labels), 0).setTip(field);
    d.el(QLatin1String(labels), 1).setTip(field);
    carry(d, c, field);
}
}  // namespace

void Datapath::MN_Bus_has() { reset(*this, gMN); }
void Datapath::IR_Bus_has() { reset(*this, gIR); }
void Datapath::Batu_Bus_has() { reset(*this, gBatu); }
void Datapath::PC_Bus_has() { reset(*this, gPC); }
void Datapath::Rlag_Bus_has() { reset(*this, gRlag); }
void Datapath::EM_Bus_has() { reset(*this, gEM); }
void Datapath::RA_RB_Bus_has() { reset(*this, gRARB); }
void Datapath::RZ_Bus_has() { reset(*this, gRZ); }
void Datapath::Muxh4_Bus_has() { reset(*this, gMuxh4); }
void Datapath::Muxh3_Bus_has() { reset(*this, gMuxh3); }
void Datapath::Bat_Bus_has() { reset(*this, gBat); }
void Datapath::Rd_Bus_has() { reset(*this, gRd); }
void Datapath::Ri_Bus_has() { reset(*this, gRi); }
void Datapath::Rj_Bus_has() { reset(*this, gRj); }
void Datapath::UAL_Bus_has() { reset(*this, gUAL); }
void Datapath::Mux_Bus_has() { reset(*this, gMux); }

void Datapath::MN_Bus_TTT_aldatu(const QString& s) { carry(*this, cMN, s); }
void Datapath::IR_Bus_TTT_aldatu(const QString& s) { carry(*this, cIR, s); }
void Datapath::Batu_Bus_TTT_aldatu(const QString& s) { carry(*this, cBatu, s); }
void Datapath::PC_Bus_TTT_aldatu(const QString& s) { carry(*this, cPC, s); }
void Datapath::Rlag_Bus_TTT_aldatu(const QString& s) { carry(*this, cRlag, s); }
void Datapath::RA_Bus_TTT_aldatu(const QString& s) { carry(*this, cRA, s); }
void Datapath::RB_Bus_TTT_aldatu(const QString& s) { carry(*this, cRB, s); }
void Datapath::RZ_Bus_TTT_aldatu(const QString& s) { carry(*this, cRZ, s); }
void Datapath::Muxh4_Bus_TTT_aldatu(const QString& s) { carry(*this, cMuxh4, s); }
void Datapath::Muxh3_Bus_TTT_aldatu(const QString& s) { carry(*this, cMuxh3, s); }
void Datapath::Bat_Bus_TTT_aldatu(const QString& s) { carry(*this, cBat, s); }
void Datapath::Rd_Bus_TTT_aldatu(const QString& s) { carry(*this, cRd, s); }
void Datapath::Ri_Bus_TTT_aldatu(const QString& s) { carry(*this, cRi, s); }
void Datapath::Rj_Bus_TTT_aldatu(const QString& s) { carry(*this, cRj, s); }
void Datapath::UAL_Bus_TTT_aldatu(const QString& s) { carry(*this, cUAL, s); }
void Datapath::Mux1_Bus_TTT_aldatu(const QString& s) { carry(*this, cMux1, s); }
void Datapath::Mux2_Bus_TTT_aldatu(const QString& s) { carry(*this, cMux2, s); }

void Datapath::EM_Bus_TTT_aldatu(const QString& si, const QString& sj)
{
    const QString j = sj;  // si's write must not change what sj says
    carry(*this, cEMi, si);
    carry(*this, cEMj, j);
}

void Datapath::Busak_hasieratu()
{
    MN_Bus_has();
    IR_Bus_has();
    Batu_Bus_has();
    PC_Bus_has();
    Rlag_Bus_has();
    EM_Bus_has();
    EM_Bus_TTT_aldatu(QStringLiteral("0000000000000000"), QStringLiteral("0000000000000000"));
    RA_RB_Bus_has();
    RZ_Bus_has();
    Muxh4_Bus_has();
    Muxh3_Bus_has();
    Bat_Bus_has();
    Rd_Bus_has();
    Ri_Bus_has();
    Rj_Bus_has();
    UAL_Bus_has();
    Mux_Bus_has();
}

void Datapath::Rd_aldatu() { cutField(*this, "IR1_DAT_G", 6, "Rd_G", cRd); }
void Datapath::Ri_aldatu() { cutField(*this, "IR1_DAT_G", 11, "Ri_G", cRi); }
void Datapath::Rj_aldatu() { cutField(*this, "IR2_DAT_G", 11, "Rj_G", cRj); }

void Datapath::paintRed(const QString& busName)
{
    const QByteArray bus = busName.toLatin1();
    paintStages(*this, {{bus.constData()}}, colour::Red, "gorria");
}

void Datapath::PC_info() { info(*this, iPC); }
void Datapath::Batu_info() { info(*this, iBatu); }
void Datapath::Rlag_info() { info(*this, iRlag); }
void Datapath::IR2_info() { info(*this, iIR2); }
void Datapath::MN_info() { info(*this, iMN); }
void Datapath::EM_info_i() { info(*this, iEMi); }
void Datapath::EM_info_j() { info(*this, iEMj); }
void Datapath::RA_info() { info(*this, iRA); }
void Datapath::RB_info() { info(*this, iRB); }
void Datapath::UAL_info() { info(*this, iUAL); }
void Datapath::RZ_info() { info(*this, iRZ); }
void Datapath::Muxh3_info() { info(*this, iMuxh3); }
void Datapath::Muxh4_info() { info(*this, iMuxh4); }
void Datapath::Bat_info() { info(*this, iBat); }
void Datapath::Rd_info() { info(*this, iRd); }
void Datapath::Ri_info() { info(*this, iRi); }
void Datapath::Rj_info() { info(*this, iRj); }
void Datapath::mux1_info() { info(*this, iMux1); }
void Datapath::mux2_info() { info(*this, iMux2); }
void Datapath::mux2_info_itzali() { paintStages(*this, kInfo[iMux2], colour::Window, "txuria"); }
