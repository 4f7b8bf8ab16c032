#include "shell/trace.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace ovta::trace {
namespace {

struct State {
    bool on = [] {
        const char* v = std::getenv("OVTA_TRACE");
        return v && *v && std::strcmp(v, "0") != 0;
    }();
    std::function<void(std::string_view)> sink;
};

State& state()
{
    static State s;
    return s;
}

}  // namespace

bool enabled() { return state().on; }

void line(std::string_view text)
{
    auto& s = state();
    if (!s.on)
        return;
    std::string out = "ovta: ";
    out += text;
    if (s.sink) {
        s.sink(out);
        return;
    }
    out += '\n';
    std::fwrite(out.data(), 1, out.size(), stderr);
    std::fflush(stderr);
}

std::string hex(std::string_view bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 0xF];
    }
    return out;
}

void setSink(std::function<void(std::string_view)> sink)
{
    state().sink = std::move(sink);
    if (state().sink)
        state().on = true;
}

void setEnabled(bool on) { state().on = on; }

}  // namespace ovta::trace
