// Captures the trace for the life of the object: every line the program
// traces lands in `lines`, and the trace is put back as it was afterwards.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "shell/trace.h"

namespace ovta::test {

class TraceCapture {
public:
    TraceCapture() : wasOn_(trace::enabled())
    {
        trace::setSink([this](std::string_view line) { lines.emplace_back(line); });
    }
    ~TraceCapture()
    {
        trace::setSink(nullptr);
        trace::setEnabled(wasOn_);
    }
    TraceCapture(const TraceCapture&) = delete;
    TraceCapture& operator=(const TraceCapture&) = delete;

    bool has(const std::string& line) const
    {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    bool hasPrefix(const std::string& prefix) const
    {
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
    }

    std::vector<std::string> lines;

    // The lines as one text, for failure messages.
    static std::string joinedLines(const std::vector<std::string>& lines)
    {
        std::string all;
        for (const auto& l : lines)
            all += l + "\n";
        return all;
    }

private:
    bool wasOn_;
};

}  // namespace ovta::test
