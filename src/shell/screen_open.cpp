#include "shell/screen_open.h"

namespace ovta {

void traceOpen(const char* kind)
{
    if (!trace::enabled())
        return;
    const Globals& g = globals();
    trace::line(std::string("open ") + kind + " CurrentItem=" + std::to_string(g.CurrentItem) +
                " CurrentBook=" + std::to_string(g.CurrentBook) +
                " ListTop=" + std::to_string(g.ListTop) +
                " SearchSource=" + std::to_string(g.SearchSource));
}

}  // namespace ovta
