#pragma once
// The display-mode check made at the language choice, and the restore made when
// the main window unloads. The mode found at the choice is kept in the globals
// Jatorrizko_* and never updated.
#include <cstdint>

class DisplayMode;

// What the mode found at the choice needs.
enum class DisplayNeed {
    Nothing,   // at least 1024 x 768 at 16 bits per pixel
    Question,  // too small: 1024 x 768 at 16 bits, if the user agrees
    Depth,     // big enough: 16 bits at the same size, without asking
};

// A value read from the display, as the 16-bit globals hold it. One that does
// not fit is clamped, so a very large screen passes the size test instead of
// wrapping to a negative size.
int16_t toInt16(int32_t value);

// Saves depth, width and height, in that order, and says what they need.
DisplayNeed readDisplayMode(DisplayMode& R);
// The switch after the user agreed to the question.
void switchTo1024x768(DisplayMode& R);
// 16 bits at the size in force, read again for the switch.
void switchDepthTo16(DisplayMode& R);
// Puts back the mode saved at the choice.
void restoreSavedDisplayMode(DisplayMode& R);
