#include "asm_zoom.h"

#include "asm_chart.h"
#include "asm_chart_widgets.h"

#include <QLabel>

#include <algorithm>

namespace {
using namespace asm_chart;

// The design's 8.25 (default), 9.75 and 13.5 points.
constexpr int kTextPixels = fontPixels(8.25), kNamePixels = fontPixels(9.75), kDecisionPixels = fontPixels(13.5);

// The Spanish texts, written in this order at every opening.
const char* const kSpanishOrder[] = {"Frame1",   "AK",       "ASM_fetch1", "ASM_fetch2", "ASM_ld",
                                     "Label2",   "Label4",   "Label9",     "ASM_st",     "ASM_add1",
                                     "ASM_add2", "ASM_add3", "ASM_beq1",   "ASM_beq2",   "ASM_beq3"};

QFont chartFont(int pixels, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

template <class Row, size_t N>
const Row* row(const Row (&table)[N], const QString& name)
{
    for (const Row& r : table)
        if (name == QLatin1String(r.name))
            return &r;
    return nullptr;
}

// Our faces are wider than the design's: a label widens to its whole text
// rather than cut it.
void setLabelText(QLabel* label, const Label& l, const char* text)
{
    label->setText(QLatin1String(text));
    const int designWidth = pixels(QRect(l.left, l.top, l.width, l.height)).width();
    label->resize(std::max(designWidth, label->fontMetrics().horizontalAdvance(label->text()) + 1), label->height());
}

QLabel* makeLabel(const Label& l, QWidget* frame)
{
    auto* label = new QLabel(frame);
    label->setObjectName(QLatin1String(l.name));
    label->setGeometry(pixels(QRect(l.left, l.top, l.width, l.height)));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont f = chartFont(l.kind == LabelKind::StateName ? kNamePixels : kTextPixels, l.kind == LabelKind::StateName);
    f.setUnderline(l.kind == LabelKind::StateName);
    label->setFont(f);
    setLabelText(label, l, l.basque);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour::toQColor(colour::ButtonText));
    if (l.kind == LabelKind::Comment) {
        pal.setColor(QPalette::Window, colour::toQColor(kChartBack));
        label->setAutoFillBackground(true);
    }
    label->setPalette(pal);
    return label;
}
}  // namespace

AsmZoom::AsmZoom(MainWindow& main) : ZoomWindow(main, QStringLiteral("ASM_Zoom"))
{
    setFixedSize(pixels(QRect(QPoint(), kClientArea)).size());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour::toQColor(kWindowBack));
    setPalette(pal);
    setAutoFillBackground(true);

    frame_ = new ChartFrame(this);
    frame_->setFont(chartFont(kTextPixels));
    for (const StateBox& s : kStateBoxes) {
        auto* box = new ChartBox(QLatin1String(s.name), QRect(s.left, s.top, s.width, s.height), frame_);
        box->setFont(chartFont(kTextPixels));
        box->setText(basqueText(s));
        boxes_.insert(box->objectName(), box);
    }
    for (const Decision& d : kDecisions) {
        auto* box = new ChartBox(QLatin1String(d.name), QRect(d.left, d.top, d.width, d.height), frame_);
        box->setFont(chartFont(kDecisionPixels, true));
        box->setBack(kChartBack);
        box->setFore(kDecisionFore);
        box->setBordered(false);
        box->setAlignment(Qt::AlignCenter);
        box->setText(QLatin1String(d.basque));
        decisions_.insert(box->objectName(), box);
    }
    for (const Label& l : kLabels)
        labels_.insert(QLatin1String(l.name), makeLabel(l, frame_));
}

const QStringList& AsmZoom::boxNames()
{
    static const QStringList names = [] {
        QStringList n;
        for (const StateBox& s : kStateBoxes)
            n << QLatin1String(s.name);
        return n;
    }();
    return names;
}

void AsmZoom::setBox(const QString& name, BGR c)
{
    // A misspelt box would silently never light up.
    ChartBox* box = boxes_.value(name);
    if (!box)
        qFatal("No ASM zoom box named %s", qPrintable(name));
    box->setBack(c);
}

BGR AsmZoom::box(const QString& name) const
{
    const ChartBox* b = boxes_.value(name);
    return b ? b->back() : colour::Window;
}

void AsmZoom::ASM_eguneratu(int16_t egoera)
{
    if (egoera == 0) {
        for (const QString& name : boxNames())
            setBox(name, colour::Window);
    } else if (egoera >= 1 && egoera <= boxNames().size()) {
        setBox(boxNames().at(egoera - 1), colour::Green);
    }
}

void AsmZoom::ASM_gazteleraz()
{
    for (const char* name : kSpanishOrder)
        writeSpanish(QLatin1String(name));
}

void AsmZoom::writeSpanish(const QString& name)
{
    if (name == frame_->objectName())
        frame_->setCaption(QLatin1String(kFrameSpanish));
    else if (const StateBox* s = row(kStateBoxes, name))
        boxes_.value(name)->setText(spanishText(*s));
    else if (const Decision* d = row(kDecisions, name))
        decisions_.value(name)->setText(QLatin1String(d->spanish));
    else if (const Label* l = row(kLabels, name))
        setLabelText(labels_.value(name), *l, l->spanish);
}
