#pragma once
class Diagram;

// Creates every element of the main window's scene with its design name, kind,
// geometry in twips and design look: the datapath components, the bus pieces and
// arrows, the ASM panel, the clock, the button bar and the speed frame.
void buildMainWindowDiagram(Diagram& diagram);
