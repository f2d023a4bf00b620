#pragma once
// Element tables for the main window's scene: one row per element, so the
// geometry of the whole window reads as data and can be checked at a glance.
#include "element.h"

class Diagram;

namespace layout {

// How an element is drawn beyond its kind and colours.
enum class Style {
    Plain,    // default font, centred
    Value,    // 16-bit values: monospace, so bit columns line up
    Name,     // block captions such as "PC": bold
    Title,    // large captions of the memory and the register set
    Left,     // left-aligned text (port names inside blocks, panel labels)
    Right,    // right-aligned text
    Lines,    // several lines, top-left (signal lists of the ASM panel)
    Key,      // button-bar entries: left-aligned, vertically centred
};

struct Row {
    ElementKind kind;
    const char* name;
    int x, y, w, h;
    const char* text = "";
    BGR back = colour::Window;
    Style style = Style::Plain;
    int index = -1;
};

// Adds the rows in order; an element added later is drawn above earlier ones,
// so every table lists a block before what it holds.
void addAll(Diagram& dg, const Row* rows, int count);

template <int N>
void addAll(Diagram& dg, const Row (&rows)[N])
{
    addAll(dg, rows, N);
}

void addDatapathComponents(Diagram& dg);
void addControlPanels(Diagram& dg);

}  // namespace layout
