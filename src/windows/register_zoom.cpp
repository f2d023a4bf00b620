#include "register_zoom.h"

#include "datapath/diagram.h"
#include "main_window.h"
#include "model/funtzioak.h"
#include "model/globals.h"
#include "model/memoria.h"
#include "twips.h"

#include <QFrame>
#include <QLabel>

namespace {

constexpr BGR kGrey = 0xC0C0C0;  // the window's background

// The cells of one row, left to right, in twips within the frame.
struct ColumnDesign {
    const char* name;
    int left;
    int width;
    const char* designText;  // %1: the register number
    Qt::Alignment align;
    bool mark;  // a mark column: smaller font, hidden at design
};
const ColumnDesign kColumns[] = {
    {"EM_Zoom_Helb", 120, 1200, "R%1:", Qt::AlignRight, false},
    {"EM_Zoom_Dat", 1380, 2700, "", Qt::AlignCenter, false},
    {"EM_Zoom_Qi", 4170, 405, "Qi", Qt::AlignCenter, true},
    {"EM_Zoom_Qj", 4605, 405, "Qj", Qt::AlignCenter, true},
    {"EM_Zoom_LD", 5040, 405, "Rh", Qt::AlignCenter, true},
};
constexpr int kRowTop = 120;
constexpr int kRowHeight = 300;
constexpr int kFrameLeft = 90;
constexpr int kFrameTop = 420;
constexpr int kFrameWidth = 5040 + 405 + 120;
constexpr int kFrameHeight = kRowTop + RegisterZoom::kRegisters * kRowHeight + kRowTop;
constexpr int kMargin = 90;

// The headings: over the names, the contents and the three mark columns.
struct Heading {
    const char* name;
    int left;  // twips within the frame, as the columns
    int width;
    const char* basque;
    const char* spanish;
};
const Heading kHeadings[] = {
    {"Label4", 0, 1380, "ERREGISTROA", "REGISTRO"},
    {"Label1", 1380, 2700, "DATUA (16 BITAK)", "DATOS (16 BITS)"},
    {"Label2", 4170, 1275, "IRTEERAK", "SALIDAS"},
};
constexpr int kHeadingTop = 120;
constexpr int kHeadingHeight = 255;

const char* const kSpanishCaption = "CR_Zoom";

// The marks: what each read port shows, and the destination by language.
const char* const kPortI = "QA";
const char* const kPortJ = "QB";
const char* const kDestinationBasque = "Rh";
const char* const kDestinationSpanish = "Rd";

// Looks of a row's name and contents cells, and of the marks.
struct Look {
    BGR back;
    BGR fore;
};
constexpr Look kPlain{colour::Window, colour::ButtonText};
constexpr Look kRead{colour::Red, colour::Window};
constexpr Look kDestination{colour::Green, colour::ButtonText};

// The register number a register-address bus carries, as its arrow's tooltip.
int registerOn(const Diagram& dg, const char* arrow)
{
    return Bitarretik_Hamartarrera(dg(QLatin1String(arrow)).tip().toStdString());
}

void showMark(ZoomCell& cell, const QString& text, Look look)
{
    cell.setTextIfChanged(text);
    cell.setLook(look.back, look.fore);
    cell.show();
}

}  // namespace

RegisterZoom::RegisterZoom(MainWindow& main) : ZoomWindow(main, QStringLiteral("EM_Zoom"))
{
    QPalette grey = palette();
    grey.setColor(QPalette::Window, colour::toQColor(kGrey));
    setPalette(grey);
    setAutoFillBackground(true);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(pixels(kFrameLeft), pixels(kFrameTop), pixels(kFrameWidth), pixels(kFrameHeight));

    Column* columns[] = {&helb_, &dat_, &qi_, &qj_, &ld_};
    const QFont rowFont = ZoomCell::courierBold(12);
    const QFont markFont = ZoomCell::courierBold(9.75);
    for (size_t c = 0; c < std::size(kColumns); ++c) {
        const ColumnDesign& design = kColumns[c];
        for (int k = 0; k < kRegisters; ++k) {
            auto* cell = new ZoomCell(QStringLiteral("%1(%2)").arg(QLatin1String(design.name)).arg(k), frame);
            cell->setFont(design.mark ? markFont : rowFont);
            cell->setAlignment(design.align | Qt::AlignVCenter);
            const QString text = QLatin1String(design.designText);
            cell->setText(text.contains(QLatin1String("%1")) ? text.arg(k) : text);
            cell->setGeometry(pixels(design.left), pixels(kRowTop + k * kRowHeight), pixels(design.width), pixels(kRowHeight));
            cell->setVisible(!design.mark);
            (*columns[c])[size_t(k)] = cell;
        }
    }
    // Nothing may be done with R0, which always holds zero.
    helb_[0]->setEnabled(false);
    dat_[0]->setEnabled(false);

    QLabel** labels[] = {&label4_, &label1_, &label2_};
    for (size_t h = 0; h < std::size(kHeadings); ++h) {
        const Heading& design = kHeadings[h];
        auto* label = new QLabel(QString::fromUtf8(design.basque), this);
        label->setObjectName(QLatin1String(design.name));
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(pixels(kFrameLeft + design.left), pixels(kHeadingTop), pixels(design.width), pixels(kHeadingHeight));
        *labels[h] = label;
    }

    setFixedSize(pixels(kFrameLeft + kFrameWidth + kMargin), pixels(kFrameTop + kFrameHeight + kMargin));
}

void RegisterZoom::gazteleraz()
{
    setWindowTitle(QLatin1String(kSpanishCaption));
    QLabel* labels[] = {label4_, label1_, label2_};
    for (size_t h = 0; h < std::size(kHeadings); ++h)
        labels[h]->setText(QString::fromUtf8(kHeadings[h].spanish));
}

void RegisterZoom::EM_Eguneratu()
{
    const Diagram& dg = main_.diagram();
    const int i = registerOn(dg, "Bus_Ri_EM_Gezia");
    const int j = registerOn(dg, "Bus_Rj_EM_Gezia");
    const int d = registerOn(dg, "Bus_Rd_EM_Gezia");
    const QString m = QLatin1String(G().Gaztelera ? kDestinationSpanish : kDestinationBasque);

    // The same register on both outputs: its marks are written here, not in the loop.
    // A number the buses never carry (they hold five bits) marks nothing.
    if (i == j && i >= 0 && i < kRegisters) {
        showMark(*qi_[size_t(i)], QLatin1String(kPortI), kRead);
        showMark(*qj_[size_t(i)], QLatin1String(kPortJ), kRead);
        ld_[size_t(i)]->hide();
        if (d == i)
            showMark(*ld_[size_t(i)], m, kDestination);
    }

    for (int k = 0; k < kRegisters; ++k) {
        const size_t r = size_t(k);
        dat_[r]->setTextIfChanged(QString::fromStdString(EM().Erreg_M_Dat_Egitura_Irakurri(int16_t(k))));
        if (k == i) {
            readRow(k, QLatin1String(kPortI), d == i, i != j, m);
        } else if (k == j) {
            readRow(k, QLatin1String(kPortJ), d == j, i != j, m);
        } else if (k == d) {
            showMark(*qi_[r], m, kDestination);
            rowLook(k, kDestination.back, kDestination.fore);
            qj_[r]->hide();
            ld_[r]->hide();
        } else {
            rowLook(k, kPlain.back, kPlain.fore);
            qi_[r]->hide();
            qj_[r]->hide();
            ld_[r]->hide();
        }
    }
}

// A row read on one output: green when it is also the destination, red otherwise;
// its marks only when the other output reads another register.
void RegisterZoom::readRow(int k, const QString& portMark, bool destination, bool portsDiffer, const QString& m)
{
    const size_t r = size_t(k);
    const Look look = destination ? kDestination : kRead;
    rowLook(k, look.back, look.fore);
    if (!portsDiffer)
        return;
    showMark(*qi_[r], portMark, kRead);
    qj_[r]->hide();
    ld_[r]->hide();
    if (destination)
        showMark(*qj_[r], m, kDestination);
}

void RegisterZoom::rowLook(int k, BGR back, BGR fore)
{
    helb_[size_t(k)]->setLook(back, fore);
    dat_[size_t(k)]->setLook(back, fore);
}
