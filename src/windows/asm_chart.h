#pragma once
// The ASM chart of the zoom window as data: its boxes, labels and arrow segments,
// in twips within the chart's frame, in the order the design lists them.
#include "datapath/colours.h"

#include <QPolygon>
#include <QRect>
#include <QString>
#include <initializer_list>

namespace asm_chart {

constexpr QSize kClientArea{8535, 9810};
constexpr BGR kWindowBack = 0xC0C0C0;
constexpr BGR kChartBack = 0x80C0FF;  // the frame, the decisions and the comments
constexpr BGR kFrameFore = 0x400000;
constexpr BGR kDecisionFore = 0xC00000;

// The frame that holds the whole chart, within the window.
constexpr QRect kFrame{30, 30, 8475, 9735};
const char* const kFrameBasque = " ASM  KONTROL - ALGORITMOA ";
const char* const kFrameSpanish = " ALGORITMO DE CONTROL  ASM ";

// A state box: its lines in both languages. No Spanish lines: never rewritten.
struct StateBox {
    const char* name;
    int left, top, width, height;
    std::initializer_list<const char*> basque;
    std::initializer_list<const char*> spanish;
};
// In state order, fetch1 (1) to beq3 (11).
extern const StateBox kStateBoxes[11];

// Design texts end every line with a line break; the Spanish ones only separate lines.
QString basqueText(const StateBox& box);
QString spanishText(const StateBox& box);

struct Decision {
    const char* name;
    int left, top, width, height;
    const char* basque;
    const char* spanish;
};
extern const Decision kDecisions[2];

// The outline drawn around a decision's text box: a hexagon along its top and
// bottom edges, pointed at its left and right.
QPolygon decisionOutline(const QRect& box);

enum class LabelKind { StateName, Exit, Comment };

struct Label {
    const char* name;
    int left, top, width, height;
    const char* basque;
    const char* spanish;  // nullptr: the same in both languages
    LabelKind kind;
};
extern const Label kLabels[23];

// One straight line of an arrow. `from` is what its start touches: a box, a
// decision's exit ("AK:00"), the free start of a return line ("ldst", "return"),
// or "^" where it carries on from the row before. `to` is what its end touches:
// a box or a return line, and then an arrowhead is drawn there; "" where the
// next row carries on.
struct Segment {
    const char* from;
    int x1, y1, x2, y2;
    const char* to;
};
extern const Segment kSegments[30];

}  // namespace asm_chart
