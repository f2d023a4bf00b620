#pragma once
// The X RandR calls, kept apart because the X headers' macros clash with Qt's.

namespace x11 {
// Sets the primary output of the X display named by DISPLAY to a mode of that
// size, growing or shrinking the screen around it. False when there is no X
// display, no RandR, no such mode on the output, the server refuses it, or the
// program was built without the RandR headers.
bool switchPrimarySize(int width, int height);
}  // namespace x11
