#include "shell/globals.h"

namespace ovta {

Globals& globals()
{
    static Globals g;
    return g;
}

void resetGlobals() { globals() = Globals{}; }

}  // namespace ovta
