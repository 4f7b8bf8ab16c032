#include "shell/search_host.h"

#include <map>

namespace ovta {
namespace {

std::map<int, SearchHost*>& hosts()
{
    static std::map<int, SearchHost*> table;
    return table;
}

}  // namespace

SearchHost::~SearchHost()
{
    for (auto it = hosts().begin(); it != hosts().end();)
        it = (it->second == this) ? hosts().erase(it) : std::next(it);
}

void setSearchHost(int source, SearchHost* host)
{
    if (host)
        hosts()[source] = host;
    else
        hosts().erase(source);
}

SearchHost* searchHost(int source)
{
    auto it = hosts().find(source);
    return it == hosts().end() ? nullptr : it->second;
}

}  // namespace ovta
