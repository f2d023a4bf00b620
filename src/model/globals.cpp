#include "globals.h"

Globals& G()
{
    static Globals instance;
    return instance;
}

void resetGlobals() { G() = Globals{}; }
