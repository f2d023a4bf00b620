#pragma once
// The ASM panel of the main window: the previous, current and next state with
// their signal names, and the texts every state shows there in both languages.
#include <QString>

class Diagram;

// The eleven states in chart order; the value + 1 is the state's number.
enum class AsmState { fetch1, fetch2, desk, ld, st, add1, add2, add3, beq1, beq2, beq3 };

namespace asm_panel {

// The name shown for a state and its signal names joined by line breaks, in the
// current language.
QString displayedName(AsmState s);
QString signalList(AsmState s);

// Previous := current, current := next, for names and signal boxes.
void shiftUp(Diagram& dg);
// Writes the next-state boxes.
void writeNext(Diagram& dg, AsmState next);
// The whole shift: shiftUp, then writeNext.
void shift(Diagram& dg, AsmState next);

}  // namespace asm_panel
