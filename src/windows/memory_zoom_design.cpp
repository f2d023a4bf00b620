// The memory zoom's controls as designed: places in twips, fonts, colours, and
// the texts in both languages (the Basque ones are the design texts).
#include "memory_zoom.h"

#include "drawing/pictures.h"
#include "twips.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPixmapCache>
#include <QPushButton>
#include <QStyleOptionButton>

namespace {

constexpr BGR kGrey = 0xC0C0C0;       // the window
constexpr BGR kLightGrey = 0xE0E0E0;  // the buttons

// The fifteen rows inside the frame, one column per cell kind, with the
// heading that stands over each column.
constexpr int kRowTop = 120;
constexpr int kRowHeight = 375;
struct Column {
    const char* cells;
    const char* heading;
    int left, width;
    Qt::Alignment align;
};
const Column kColumns[] = {
    {"MN_Zoom_Helb", "Label4", 120, 1140, Qt::AlignRight},
    {"MN_Zoom_Kod", "Label1", 1320, 2580, Qt::AlignHCenter},
    {"MN_Zoom_Ag", "Label2", 3960, 3300, Qt::AlignLeft},
};

struct Place {
    const char* name;
    int left, top, width, height;
    QRect inPixels() const { return pixels({left, top, width, height}); }
};
constexpr Place kClientArea = {"MN_Zoom", 0, 0, 8340, 7050};
constexpr Place kFrame = {"Frame1", 180, 480, 7980, 5865};
constexpr int kHeadingTop = 150;
constexpr int kHeadingHeight = 300;
// In the frame, beside the first and the last rows.
constexpr Place kStepButtons[] = {
    {"MN_Zoom_H_txiki", 7380, 120, 420, 750},
    {"MN_Zoom_H_handi", 7380, 5115, 420, 750},
};
// Below the frame, on one line.
constexpr Place kLabel3 = {"Label3", 180, 6555, 1950, 300};
constexpr Place kEntry = {"MN_Zoom_Helb_joan", 2160, 6495, 900, 375};
constexpr Place kText5 = {"Text5", 3060, 6495, 360, 375};
constexpr Place kButtons[] = {
    {"joan", 3570, 6495, 1200, 375},
    {"MN_Zoom_Datuak", 5340, 6495, 1200, 375},
    {"MN_Zoom_Programa", 6660, 6495, 1500, 375},
};

struct DesignText {
    const char* control;
    const char* property;
    const char* basque;
    const char* spanish;  // nullptr: the same in Spanish
};
const DesignText kTexts[] = {
    {"MN_Zoom", "windowTitle", "MN_Zoom", "MP_Zoom"},
    {"Label1", "text", "DATUA (16 BITAK)", "DATOS (16 BITS)"},
    {"Label2", "text", "AGINDUA", "INSTRUCCIÓN"},
    {"Label4", "text", "HELBIDEA", "DIRECCIÓN"},
    {"Label3", "text", "Helbidea sartu (@):", "Dirección (@):"},
    {"MN_Zoom_Datuak", "text", "Datuak", "Datos"},
    {"MN_Zoom_Datuak", "toolTip", "Datuak gordeta dauden memoria espaziora joan",
     "Ir hasta la posición de memoria donde están los datos guardados"},
    {"MN_Zoom_Programa", "text", "Programa", nullptr},
    {"MN_Zoom_Programa", "toolTip", "Programa gordeta dagoen memoria espaziora joan",
     "Ir hasta la posición de memoria donde está el programa guardado"},
    {"MN_Zoom_Helb_joan", "toolTip",
     "Memoriako helbide konkretu bat ikusi nahi baduzu, hemen idatzi eta \"@ joan\" botoia sakatuz bertara joango zara",
     "Escribe una dirección y pulsa @Ir o Enter para ir a dicha dirección"},
    {"joan", "text", "@ joan", "@Ir"},
    {"joan", "toolTip", "Textu kutxan helbide bat sartu eta botoia sakatu bertara joateko",
     "Pulsando, vas a la dirección escrita en la caja de texto"},
    {"MN_Zoom_H_handi", "toolTip", "Memoria posizio handiago bat ikusi", "Desplazarse a una posición de memoria mayor"},
    {"MN_Zoom_H_txiki", "toolTip", "Memoria posizio txikiago bat ikusi", "Desplazarse a una posición de memoria menor"},
};

void paintBackground(QWidget& w, QPalette::ColorRole role, BGR c)
{
    QPalette p = w.palette();
    p.setColor(role, colour::toQColor(c));
    w.setPalette(p);
}

ZoomCell* cell(QWidget* parent, const QString& name, const QRect& place, Qt::Alignment align)
{
    auto* c = new ZoomCell(name, parent);
    c->setGeometry(place);
    c->setFont(ZoomCell::courierBold(12));
    c->setAlignment(align | Qt::AlignVCenter);
    return c;
}

// The style keeps what it draws for a button in the pixmap cache, under the
// palette's key and the icon's, and every widget palette and every new picture
// gets a key of its own. So each opening would leave its buttons' drawings in
// the cache, megabytes of them after a few hundred openings. The buttons of
// every opening share one palette and one picture per arrow instead, and find
// what the previous opening drew.
class LightGreyButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void initStyleOption(QStyleOptionButton* option) const override
    {
        QPushButton::initStyleOption(option);
        static const QPalette shared = [] {
            // The window's grey too: the style shades the buttons' outline from it.
            QPalette p = QApplication::palette("QPushButton");
            p.setColor(QPalette::Window, colour::toQColor(kGrey));
            p.setColor(QPalette::Button, colour::toQColor(kLightGrey));
            return p;
        }();
        const QPalette::ColorGroup group = option->palette.currentColorGroup();
        option->palette = shared;
        option->palette.setCurrentColorGroup(group);
    }
};

// Kept in the pixmap cache under a fixed name rather than in a static, which
// would outlive the application.
QIcon stepArrowIcon(drawing::Side pointsTo)
{
    const QString key = QStringLiteral("ririv4-step-arrow-%1").arg(int(pointsTo));
    QPixmap arrow;
    if (!QPixmapCache::find(key, &arrow)) {
        arrow = drawing::masked(drawing::stepArrow(pointsTo));
        QPixmapCache::insert(key, arrow);
    }
    return QIcon(arrow);
}

QPushButton* button(QWidget* parent, const Place& p)
{
    auto* b = new LightGreyButton(parent);
    b->setObjectName(QLatin1String(p.name));
    b->setGeometry(p.inPixels());
    // Enter belongs to the address entry, never to a button.
    b->setAutoDefault(false);
    return b;
}

QLabel* label(QWidget* parent, const char* name, const QRect& place, Qt::Alignment align)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(place);
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
}

}  // namespace

void MemoryZoom::buildControls()
{
    setFixedSize(kClientArea.inPixels().size());
    setAutoFillBackground(true);
    paintBackground(*this, QPalette::Window, kGrey);

    auto* frame = new QFrame(this);
    frame->setObjectName(QLatin1String(kFrame.name));
    frame->setGeometry(kFrame.inPixels());
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);

    QFont heading = font();
    heading.setBold(true);
    for (const Column& c : kColumns) {
        QLabel* l = label(this, c.heading, pixels({kFrame.left + c.left, kHeadingTop, c.width, kHeadingHeight}),
                          Qt::AlignHCenter);
        l->setFont(heading);
    }
    for (int i = 0; i < kRows; ++i) {
        const int top = kRowTop + i * kRowHeight;
        std::array<ZoomCell*, kRows>* cells[] = {&helb_, &kod_, &ag_};
        for (size_t k = 0; k < std::size(kColumns); ++k) {
            const Column& c = kColumns[k];
            (*cells[k])[i] = cell(frame, QStringLiteral("%1(%2)").arg(QLatin1String(c.cells)).arg(i),
                                  pixels({c.left, top, c.width, kRowHeight}), c.align);
        }
    }

    auto* txiki = button(frame, kStepButtons[0]);
    txiki->setIcon(stepArrowIcon(drawing::Side::Top));
    auto* handi = button(frame, kStepButtons[1]);
    handi->setIcon(stepArrowIcon(drawing::Side::Bottom));

    label(this, kLabel3.name, kLabel3.inPixels(), Qt::AlignLeft);
    helbJoan_ = cell(this, QLatin1String(kEntry.name), kEntry.inPixels(), Qt::AlignRight);
    helbJoan_->setReadOnly(false);
    helbJoan_->setFocusPolicy(Qt::StrongFocus);
    helbJoan_->setMaxLength(4);
    helbJoan_->setBack(colour::Green);
    helbJoan_->installEventFilter(this);
    ZoomCell* h = cell(this, QLatin1String(kText5.name), kText5.inPixels(), Qt::AlignHCenter);
    h->setText(QStringLiteral("H"));
    h->setBack(colour::Green);
    h->setFocusPolicy(Qt::NoFocus);

    QPushButton* joan = button(this, kButtons[0]);
    QPushButton* datuak = button(this, kButtons[1]);
    QPushButton* programa = button(this, kButtons[2]);
    connect(joan, &QPushButton::clicked, this, &MemoryZoom::joan_Click);
    connect(datuak, &QPushButton::clicked, this, &MemoryZoom::MN_Zoom_Datuak_Click);
    connect(programa, &QPushButton::clicked, this, &MemoryZoom::MN_Zoom_Programa_Click);
    connect(txiki, &QPushButton::clicked, this, &MemoryZoom::MN_Zoom_H_txiki_Click);
    connect(handi, &QPushButton::clicked, this, &MemoryZoom::MN_Zoom_H_handi_Click);

    // A keyboard user types an address and goes there, then reaches the buttons.
    setTabOrder(helbJoan_, joan);
    setTabOrder(joan, datuak);
    setTabOrder(datuak, programa);
    setTabOrder(programa, txiki);
    setTabOrder(txiki, handi);
    applyTexts(false);
}

void MemoryZoom::applyTexts(bool spanish)
{
    for (const DesignText& t : kTexts) {
        const QString control = QLatin1String(t.control);
        QObject* o = control == objectName() ? this : findChild<QObject*>(control);
        o->setProperty(t.property, QString::fromUtf8(spanish && t.spanish ? t.spanish : t.basque));
    }
}
