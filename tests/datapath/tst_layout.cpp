// The main window's scene: every element the program names exists with its
// kind and design look, and the buses really join the blocks they connect.
#include "datapath/bus_table.h"
#include "datapath/layout.h"
#include "drawing/pictures.h"
#include "sim_fixture.h"

#include <QBitmap>
#include <QDir>
#include <QFontMetrics>
#include <QtTest>

namespace {
QPixmap masked(const QImage& image)
{
    QPixmap p = QPixmap::fromImage(image);
    p.setMask(p.createMaskFromColor(drawing::keyColour(), Qt::MaskInColor));
    return p;
}

drawing::Side sideOf(ArrowDir d)
{
    switch (d) {
    case ArrowDir::Gora: return drawing::Side::Top;
    case ArrowDir::Behera: return drawing::Side::Bottom;
    case ArrowDir::Eskuin: return drawing::Side::Right;
    case ArrowDir::Ezker: return drawing::Side::Left;
    }
    return drawing::Side::Right;
}

// What the start-up shows, written directly so the picture does not depend on
// the initialisers being finished.
void showStartLook(Sim& s)
{
    const QString zero(16, QLatin1Char('0'));
    for (const char* n : {"UAL_DAT_G", "RA_DAT_G", "RB_DAT_G", "RZ_DAT_G", "Rlag_DAT_G", "IR1_DAT_G", "IR2_DAT_G"})
        s.el(QLatin1String(n)).setText(zero);
    s.el("PC_DAT_G").setText(QStringLiteral("0100000000000000"));
    s.el("Batu_DAT_G").setText(QStringLiteral("0100000000000001"));
    s.el("MN_DAT_G").setText(QString(16, QLatin1Char('z')));
    s.el("Clk_T").setText(QStringLiteral("0"));
    s.el("UAL_G").setPixmap(masked(drawing::alu(false)));
    s.el("Batu_etik_G").setPixmap(masked(drawing::adder(false)));
    s.el("Erlojua_G").setPixmap(masked(drawing::clockFrame(12)));
    for (const BusLayout& b : busLayouts())
        s.el(QLatin1String(b.name) + QLatin1String("_Gezia"))
            .setPixmap(masked(drawing::arrow(sideOf(b.dir), drawing::ArrowColour::White)));
}
}  // namespace

class TstLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void busesFollowTheirTable();
    void busesMeetTheirBlocks();
    void registerBlocksKeepTheirCrossedCaptions();
    void everyDesignElementExists();
    void textsFitAndNothingOverlaps();
    void buttonBarAndSpeedFrame();
    void screenshots();

private:
    std::unique_ptr<Diagram> dg;
};

void TstLayout::initTestCase()
{
    dg = std::make_unique<Diagram>(nullptr);
    buildMainWindowDiagram(*dg);
}

void TstLayout::busesFollowTheirTable()
{
    for (const BusLayout& bus : busLayouts()) {
        const QString name = QLatin1String(bus.name);
        const QVector<Element*>& pieces = dg->members(name);
        QCOMPARE(pieces.size(), bus.pieces);
        for (const Waypoint& w : bus.waypoints)
            QCOMPARE(pieces[w.piece]->geometry().topLeft(), w.at);
        for (int i = 0; i < pieces.size(); ++i) {
            QVERIFY2(pieces[i] && pieces[i]->kind() == ElementKind::BusPiece, qPrintable(name));
            QCOMPARE(pieces[i]->geometry().size(), QSize(kPieceSize, kPieceSize));
            if (i == 0)
                continue;
            // A continuous line: neighbours share a row or a column and stand close
            // enough for their painted squares to meet.
            const QPoint d = pieces[i]->geometry().topLeft() - pieces[i - 1]->geometry().topLeft();
            QVERIFY2(d.x() == 0 || d.y() == 0, qPrintable(pieces[i]->id()));
            QVERIFY2(d.manhattanLength() > 0 && d.manhattanLength() <= 150, qPrintable(pieces[i]->id()));
        }
        const Element& arrow = (*dg)(name + QLatin1String("_Gezia"));
        QCOMPARE(arrow.kind(), ElementKind::Arrow);
        QCOMPARE(arrow.geometry(), bus.arrow);
        const bool across = bus.dir == ArrowDir::Eskuin || bus.dir == ArrowDir::Ezker;
        QCOMPARE(arrow.geometry().size(), across ? QSize(255, 375) : QSize(375, 255));
    }
}

namespace {
struct Joint {
    const char* bus;
    const char* source;  // "" where the bus leaves another bus
    const char* destination;
};
const Joint kJoints[] = {
    {"Bus_MN_mux", "MN_G", "mux2_G"},        {"Bus_MN_IR1", "", "IR1_G"},
    {"Bus_MN_IR2", "", "IR2_G"},             {"Bus_IR2_muxh4", "IR2_G", "muxh4_G"},
    {"Bus_IR2_mux", "", "mux1_G"},           {"Bus_Batu_PC", "Batu_G", "PC_G"},
    {"Bus_PC_mux", "PC_G", "mux1_G"},        {"Bus_PC_Rlag", "", "Rlag_G"},
    {"Bus_PC_muxh3", "", "muxh3_G"},         {"Bus_Rlag_mux", "Rlag_G", "muxh3_G"},
    {"Bus_EM_MN", "EM_G", "MN_G"},           {"Bus_EM_RB", "", "RB_G"},
    {"Bus_EM_RA", "EM_G", "RA_G"},           {"Bus_RA_UAL", "RA_G", "UAL_G"},
    {"Bus_RB_UAL", "RB_G", "UAL_G"},         {"Bus_RZ_mux", "RZ_G", "mux2_G"},
    {"Bus_muxh4_Batu", "muxh4_G", "Batu_G"}, {"Bus_muxh3_Batu", "muxh3_G", "Batu_G"},
    {"Bus_Bat_mux", "Bat_G", "muxh4_G"},     {"Bus_Rd_EM", "Rd_G(1)", "EM_G"},
    {"Bus_Ri_EM", "Ri_G(1)", "EM_G"},        {"Bus_Rj_EM", "Rj_G(1)", "EM_G"},
    {"Bus_UAL_RZ", "UAL_DAT_G", "RZ_G"},     {"Bus_mux_MN", "mux1_G", "MN_G"},
    {"Bus_mux_EM", "mux2_G", "EM_G"},
};

Element& byId(Diagram& dg, const QString& id)
{
    const int open = id.indexOf(QLatin1Char('('));
    return open < 0 ? dg(id) : dg(id.left(open), id.mid(open + 1).chopped(1).toInt());
}

// The middle of the side an arrow points to.
QPoint tipOf(const QRect& r, ArrowDir d)
{
    switch (d) {
    case ArrowDir::Eskuin: return QPoint(r.x() + r.width(), r.center().y());
    case ArrowDir::Ezker: return QPoint(r.x(), r.center().y());
    case ArrowDir::Gora: return QPoint(r.center().x(), r.y());
    case ArrowDir::Behera: return QPoint(r.center().x(), r.y() + r.height());
    }
    return {};
}

constexpr int kTouch = 30;
}  // namespace

void TstLayout::busesMeetTheirBlocks()
{
    QCOMPARE(int(std::size(kJoints)), busLayouts().size());
    for (const Joint& j : kJoints) {
        const BusLayout& bus = busLayout(QLatin1String(j.bus));
        const QRect dest = byId(*dg, QLatin1String(j.destination)).geometry();
        QVERIFY2(dest.adjusted(-kTouch, -kTouch, kTouch, kTouch).contains(tipOf(bus.arrow, bus.dir)),
                 qPrintable(QStringLiteral("%1 does not reach %2").arg(j.bus, j.destination)));
        if (*j.source) {
            const QRect first = (*dg)(QLatin1String(j.bus), 0).geometry();
            const QRect src = byId(*dg, QLatin1String(j.source)).geometry();
            QVERIFY2(src.adjusted(-kTouch, -kTouch, kTouch, kTouch).intersects(first),
                     qPrintable(QStringLiteral("%1 does not leave %2").arg(j.bus, j.source)));
        }
    }
    // The ALU picture's inputs sit under the operand buses' arrows.
    const QRect alu = (*dg)("UAL_G").geometry();
    QCOMPARE(alu.size(), QSize(224 * 15, 80 * 15));
    QVERIFY(qAbs(alu.x() + 34 * 15 - busLayout(QStringLiteral("Bus_RA_UAL")).arrow.center().x()) <= kTouch);
    QVERIFY(qAbs(alu.x() + 196 * 15 - busLayout(QStringLiteral("Bus_RB_UAL")).arrow.center().x()) <= kTouch);
}

void TstLayout::registerBlocksKeepTheirCrossedCaptions()
{
    QCOMPARE((*dg)("RA_G").geometry().topLeft(), QPoint(870, 3360));
    QCOMPARE((*dg)("RB_G").geometry().topLeft(), QPoint(3360, 3360));
    QCOMPARE((*dg)("RA_etik_G").text(), QStringLiteral("RB"));
    QCOMPARE((*dg)("RB_etik_G").text(), QStringLiteral("RA"));
    QCOMPARE((*dg)("RZ_etik_G").text(), QStringLiteral("RC"));
    // Port QB (left) feeds the block captioned "RB", port QA (right) the one captioned "RA".
    QVERIFY((*dg)("EM_Qj_G").geometry().center().x() < (*dg)("EM_Qi_G").geometry().center().x());
    QCOMPARE((*dg)("EM_Qj_G").text(), QStringLiteral("QB"));
    QVERIFY((*dg)("UAL_B_G").geometry().center().x() < (*dg)("UAL_A_G").geometry().center().x());
    // Every caption label stands on its own block.
    for (const char* reg : {"PC", "IR1", "IR2", "Rlag", "RA", "RB", "RZ", "EM", "MN", "UAL"}) {
        const QString r = QLatin1String(reg);
        QVERIFY2((*dg)(r + QLatin1String("_G")).geometry().contains((*dg)(r + QLatin1String("_etik_G")).geometry()),
                 reg);
    }
}

namespace {
using K = ElementKind;
struct Named {
    const char* name;
    int index;
    ElementKind kind;
    const char* text;  // nullptr: any
};
// The controls other parts of the program reach by name, with their kinds and
// design captions.
const Named kNamed[] = {
    {"PC_DAT_G", -1, K::TextBox, ""}, {"PC_G", -1, K::PictureBox, nullptr}, {"PC_etik_G", -1, K::Label, "PC"},
    {"PC_LD_G", -1, K::TextBox, "LD"}, {"PC_CLK_G", -1, K::PictureBox, nullptr}, {"PC_D_G", -1, K::Label, "D"},
    {"PC_Q_G", -1, K::Label, "Q"},
    {"UAL_DAT_G", -1, K::TextBox, ""}, {"UAL_G", -1, K::PictureBox, nullptr}, {"UAL_etik_G", -1, K::Label, "UAL"},
    {"UAL_Z_G", -1, K::TextBox, "Z"}, {"UAL_N_G", -1, K::TextBox, "N"}, {"UAL_a0_G", -1, K::TextBox, "a0"},
    {"UAL_a1_G", -1, K::TextBox, "a1"}, {"UAL_a2_G", -1, K::TextBox, "a2"}, {"UAL_EK_G", -1, K::Label, "Erag"},
    {"UAL_A_G", -1, K::Label, "A"}, {"UAL_B_G", -1, K::Label, "B"}, {"UAL_E_G", -1, K::Label, "E"},
    {"RA_DAT_G", -1, K::TextBox, ""}, {"RA_G", -1, K::PictureBox, nullptr}, {"RA_LD_G", -1, K::TextBox, "LD"},
    {"RA_CLK_G", -1, K::PictureBox, nullptr}, {"RA_D_G", -1, K::Label, "D"}, {"RA_Q_G", -1, K::Label, "Q"},
    {"RB_DAT_G", -1, K::TextBox, ""}, {"RB_G", -1, K::PictureBox, nullptr}, {"RB_LD_G", -1, K::TextBox, "LD"},
    {"RB_CLK_G", -1, K::PictureBox, nullptr}, {"RB_D_G", -1, K::Label, "D"}, {"RB_Q_G", -1, K::Label, "Q"},
    {"RZ_DAT_G", -1, K::TextBox, ""}, {"RZ_G", -1, K::PictureBox, nullptr}, {"RZ_LD_G", -1, K::TextBox, "LD"},
    {"RZ_CLK_G", -1, K::PictureBox, nullptr}, {"RZ_D_G", -1, K::Label, "D"}, {"RZ_Q_G", -1, K::Label, "Q"},
    {"Bat_G", -1, K::Label, " '1' "},
    {"muxh4_G", -1, K::PictureBox, nullptr}, {"muxh4_0_G", -1, K::TextBox, "0"}, {"muxh4_1_G", -1, K::TextBox, "1"},
    {"muxh4_h4_G", -1, K::TextBox, "hdesp"},
    {"muxh3_G", -1, K::PictureBox, nullptr}, {"muxh3_0_G", -1, K::TextBox, "0"}, {"muxh3_1_G", -1, K::TextBox, "1"},
    {"muxh3_h3_G", -1, K::TextBox, "hRlag"},
    {"Rlag_DAT_G", -1, K::TextBox, ""}, {"Rlag_G", -1, K::PictureBox, nullptr}, {"Rlag_etik_G", -1, K::Label, "Rlag"},
    {"Rlag_LD_G", -1, K::TextBox, "LD"}, {"Rlag_CLK_G", -1, K::PictureBox, nullptr}, {"Rlag_D_G", -1, K::Label, "D"},
    {"Rlag_Q_G", -1, K::Label, "Q"},
    {"Batu_DAT_G", -1, K::TextBox, ""}, {"Batu_G", -1, K::PictureBox, nullptr}, {"Batu_etik_G", -1, K::Image, ""},
    {"Batu_A_G", -1, K::Label, "A"}, {"Batu_B_G", -1, K::Label, "B"}, {"Batu_AGEHIB_G", -1, K::Label, "A+B"},
    {"IR1_DAT_G", -1, K::TextBox, ""}, {"IR1_G", -1, K::PictureBox, nullptr}, {"IR1_etik_G", -1, K::Label, "IR1"},
    {"IR1_AK_G", -1, K::Label, "EK"}, {"IR1_LD_G", -1, K::TextBox, "LD"}, {"IR1_CLK_G", -1, K::PictureBox, nullptr},
    {"IR1_AGINDU_G", -1, K::Label, ""}, {"IR1_D_G", -1, K::Label, "D"},
    {"IR2_DAT_G", -1, K::TextBox, ""}, {"IR2_G", -1, K::PictureBox, nullptr}, {"IR2_etik_G", -1, K::Label, "IR2"},
    {"IR2_LD_G", -1, K::TextBox, "LD"}, {"IR2_CLK_G", -1, K::PictureBox, nullptr},
    {"IR2_AGINDU_G", -1, K::Label, ""}, {"IR2_D_G", -1, K::Label, "D"},
    {"mux1_G", -1, K::PictureBox, nullptr}, {"mux1_0_G", -1, K::TextBox, "0"}, {"mux1_1_G", -1, K::TextBox, "1"},
    {"mux1_h1_G", -1, K::TextBox, "hIR2"},
    {"mux2_G", -1, K::PictureBox, nullptr}, {"mux2_0_G", -1, K::TextBox, "0"}, {"mux2_1_G", -1, K::TextBox, "1"},
    {"mux2_h2_G", -1, K::TextBox, "hmem"},
    {"EM_G", -1, K::PictureBox, nullptr}, {"EM_etik_G", -1, K::Label, "EM"}, {"EM_LD_G", -1, K::TextBox, "LD"},
    {"EM_CLK_G", -1, K::PictureBox, nullptr}, {"EM_HELBa_G", -1, K::Label, "@h"}, {"EM_HELBb_G", -1, K::Label, "@i1"},
    {"EM_HELBc_G", -1, K::Label, "@i2"}, {"EM_Qi_G", -1, K::Label, "QA"}, {"EM_Qj_G", -1, K::Label, "QB"},
    {"EM_DATin_G", -1, K::Label, "DATin"},
    {"MN_DAT_G", -1, K::TextBox, ""}, {"MN_G", -1, K::PictureBox, nullptr}, {"MN_etik_G", -1, K::Label, "MN"},
    {"MN_CS_G", -1, K::TextBox, "CS"}, {"MN_OE_G", -1, K::TextBox, "OE"}, {"MN_WR_G", -1, K::TextBox, "WR"},
    {"MN_HELB_G", -1, K::Label, "HELB"}, {"MN_DATin_G", -1, K::Label, "DATin"},
    {"MN_DATout_G", -1, K::Label, "DATout"},
    {"ASM_aurreko_egoera_G", -1, K::TextBox, ""}, {"ASM_oraingo_egoera_G", -1, K::TextBox, ""},
    {"ASM_hurrengo_egoera_G", -1, K::TextBox, ""}, {"ASM_aurre_ego_Seinaleak_G", 0, K::TextBox, ""},
    {"ASM_orain_ego_Seinaleak_G", 1, K::TextBox, ""}, {"ASM_hur_ego_Seinaleak_G", 2, K::TextBox, ""},
    {"Label11", -1, K::Label, "Aurreko egoera"}, {"Label27", -1, K::Label, "Oraingo egoera"},
    {"Label28", -1, K::Label, "Hurrengo egoera"}, {"Label14", -1, K::Label, "ASM  algoritmoa"},
    {"ASM_G", -1, K::PictureBox, nullptr}, {"Erlojua_G", -1, K::PictureBox, nullptr},
    {"Rd_G", 0, K::Label, "Rh"}, {"Rd_G", 1, K::Label, "Rh"}, {"Ri_G", 0, K::Label, "Ri1"},
    {"Ri_G", 1, K::Label, "Ri1"}, {"Rj_G", 0, K::Label, "Ri2"}, {"Rj_G", 1, K::Label, "Ri2"},
    {"Frame2", -1, K::Frame, "Kontrol interfazea"}, {"F_erlojua", -1, K::Frame, "Erloju - abiadura"},
    {"Command2", -1, K::Button, "+"}, {"Command1", -1, K::Button, "-"}, {"Text1", -1, K::TextBox, "Clk_Time:"},
    {"Clk_T", -1, K::TextBox, nullptr},
};
}  // namespace

void TstLayout::everyDesignElementExists()
{
    for (const Named& n : kNamed) {
        const Element* e = dg->find(QLatin1String(n.name), n.index);
        QVERIFY2(e, n.name);
        QVERIFY2(e->kind() == n.kind, n.name);
        if (n.text)
            QCOMPARE(e->text(), QString::fromUtf8(n.text));
    }
    // Blocks and name labels share the resting colour; the field labels are yellow.
    for (const char* reg : {"PC", "IR1", "IR2", "Rlag", "RA", "RB", "RZ", "EM", "MN"}) {
        QCOMPARE((*dg)(QLatin1String(reg) + QLatin1String("_G")).back(), colour::Rest);
        QCOMPARE((*dg)(QLatin1String(reg) + QLatin1String("_etik_G")).back(), colour::Rest);
    }
    for (const char* field : {"Rd_G", "Ri_G", "Rj_G"})
        QCOMPARE(dg->members(QLatin1String(field)).size(), 2);
    QCOMPARE((*dg)("Bat_G").back(), colour::Yellow);
    QCOMPARE((*dg)("ASM_oraingo_egoera_G").back(), colour::Red);
    for (const char* mux : {"mux1_G", "mux2_G", "muxh3_G", "muxh4_G"}) {
        QCOMPARE((*dg)(QLatin1String(mux)).back(), colour::Transparent);
        QVERIFY(!(*dg)(QLatin1String(mux)).pixmap().isNull());
    }
    // Everything is drawn inside the scene, and every datapath element starts enabled.
    for (const Element* e : dg->all()) {
        QVERIFY2(dg->scene().sceneRect().contains(QRectF(e->geometry())), qPrintable(e->id()));
        if (e->name() != QLatin1String("ga") && e->name() != QLatin1String("F_erlojua"))
            QVERIFY2(e->isEnabled(), qPrintable(e->id()));
    }
}

namespace {
bool isText(const Element* e)
{
    return e->kind() == K::TextBox || e->kind() == K::Label || e->kind() == K::Button || e->kind() == K::Image ||
           e->name().endsWith(QLatin1String("_CLK_G"));
}
QFont font(bool mono)
{
    QFont f(mono ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
    f.setPixelSize(150);
    return f;
}
constexpr int kMargins = 90;  // text keeps this much of a box's width free
}  // namespace

void TstLayout::textsFitAndNothingOverlaps()
{
    QVector<const Element*> texts, pieces;
    for (const Element* e : dg->all()) {
        if (isText(e))
            texts << e;
        else if (e->kind() == K::BusPiece || e->kind() == K::Arrow)
            pieces << e;
    }
    for (int i = 0; i < texts.size(); ++i) {
        for (int j = i + 1; j < texts.size(); ++j)
            QVERIFY2(!texts[i]->geometry().intersects(texts[j]->geometry()),
                     qPrintable(texts[i]->id() + QLatin1String(" overlaps ") + texts[j]->id()));
        // No bus or arrow runs under a box or a label.
        for (const Element* p : pieces)
            QVERIFY2(!texts[i]->geometry().intersects(p->geometry()),
                     qPrintable(p->id() + QLatin1String(" runs under ") + texts[i]->id()));
    }
    // Sixteen digits fit every value box; four signal names fit every signal box.
    const QFontMetricsF mono(font(true)), plain(font(false));
    for (const Element* e : dg->all())
        if (e->name().endsWith(QLatin1String("_DAT_G")))
            QVERIFY2(mono.horizontalAdvance(QString(16, QLatin1Char('0'))) <= e->geometry().width() - kMargins,
                     qPrintable(e->id()));
    for (const char* box : {"ASM_aurre_ego_Seinaleak_G", "ASM_orain_ego_Seinaleak_G", "ASM_hur_ego_Seinaleak_G"}) {
        const QRect r = dg->members(QLatin1String(box)).last()->geometry();
        QVERIFY(4 * plain.lineSpacing() + 25 <= r.height());
        QVERIFY(plain.horizontalAdvance(QStringLiteral("KARGA_RLAG")) <= r.width() - kMargins);
    }
}

void TstLayout::buttonBarAndSpeedFrame()
{
    // The runs of blanks before the key names are part of the texts.
    const int blanks[9] = {3, 3, 18, 24, 4, 10, 9, 13, 17};
    const char* keys[9] = {"F8", "F5", "F6", "F7", "F2", "F3", "F4", "F1", "Ctrl+Q"};
    const QFontMetricsF plain(font(false));
    const QVector<Element*>& bar = dg->members(QStringLiteral("ga"));
    QCOMPARE(bar.size(), 9);
    for (int i = 0; i < 9; ++i) {
        const QString t = bar[i]->text();
        const QString run = QString(blanks[i], QLatin1Char(' ')) + QLatin1String(keys[i]);
        QVERIFY2(t.endsWith(run) && t.at(t.size() - run.size() - 1) != QLatin1Char(' '), qPrintable(t));
        QVERIFY2(!t.contains(QLatin1String("  ")) || t.indexOf(QLatin1String("  ")) == t.size() - run.size(),
                 qPrintable(t));
        QCOMPARE(bar[i]->kind(), K::TextBox);
        // Name and key fit side by side with room between them.
        QVERIFY2(plain.horizontalAdvance(t.left(t.size() - run.size())) + plain.horizontalAdvance(keys[i]) + 150 <=
                     bar[i]->geometry().width() - kMargins,
                 qPrintable(t));
        QVERIFY((*dg)("Frame2").geometry().contains(bar[i]->geometry()));
        QCOMPARE(bar[i]->isUsable(), i == 0 || i >= 7);
    }
    QCOMPARE(bar[0]->text(), QStringLiteral("Programa kargatu   F8"));

    Element& frame = (*dg)("F_erlojua");
    QVERIFY(!frame.isEnabled());
    for (const char* n : {"Command2", "Command1", "Text1", "Clk_T"}) {
        Element& e = (*dg)(QLatin1String(n));
        QVERIFY2(frame.geometry().contains(e.geometry()), n);
        QVERIFY2(!e.isUsable(), n);  // usable exactly while the frame is enabled
        QCOMPARE(e.tip(), QStringLiteral("'+' eta '-' sakatuz gero erloju abiadura aldatzen da"));
    }
    frame.setEnabled(true);
    QVERIFY((*dg)("Command2").isUsable());
    frame.setEnabled(false);
    QCOMPARE((*dg)("Command2").back(), colour::LightGreen);
    QCOMPARE((*dg)("Command1").back(), colour::LightGreen);
}

void TstLayout::screenshots()
{
    const QString dir = qEnvironmentVariable("RIRI_SHOTS");
    if (dir.isEmpty())
        QSKIP("RIRI_SHOTS names no folder");
    QDir().mkpath(dir);
    Sim s;
    showStartLook(s);
    s.w->resize(1024, 768);
    s.w->show();
    QCoreApplication::processEvents();
    QVERIFY(s.w->grab().save(dir + QStringLiteral("/main.png")));
    // A few signals lit and the ASM panel filled, to judge the running look.
    s.el("ASM_oraingo_egoera_G").setText(QStringLiteral("fetch2"));
    s.el("ASM_aurreko_egoera_G").setText(QStringLiteral("fetch1"));
    s.el("ASM_hurrengo_egoera_G").setText(QStringLiteral("desk"));
    s.el("ASM_orain_ego_Seinaleak_G", 1).setText(QStringLiteral("IRAK_MEM\r\nKARGA_IR2\r\nINKR_PC"));
    s.el("ASM_aurre_ego_Seinaleak_G", 0).setText(QStringLiteral("IRAK_MEM\r\nKARGA_IR1\r\nINKR_PC\r\nKARGA_RLAG"));
    s.el("IR1_AGINDU_G").setText(QStringLiteral("ADD r2,r2,r3"));
    s.el("ga", 4).setBack(colour::Red);
    s.el("ga", 4).setFore(colour::Window);
    s.el("PC_G").setBack(colour::Lit);
    s.el("PC_etik_G").setBack(colour::Lit);
    s.el("PC_LD_G").setBack(colour::Green);
    s.w->resize(1600, 1200);
    QCoreApplication::processEvents();
    QVERIFY(s.w->grab().save(dir + QStringLiteral("/main_large.png")));
}

QTEST_MAIN(TstLayout)
#include "tst_layout.moc"
