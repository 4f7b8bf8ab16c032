// Records what the central error report would show, instead of a modal box.
#pragma once

#include <string>
#include <vector>

#include "shell/error_report.h"

namespace ovta::test {

class RecordingReporter : public ErrorReporter {
public:
    void show(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

// Installs a recorder for the life of the object; restores the message box after.
class RecordErrors {
public:
    RecordErrors();
    ~RecordErrors();
    const std::vector<std::string>& shown() const { return recorder_->shown; }
    void clear() { recorder_->shown.clear(); }

private:
    RecordingReporter* recorder_;
};

}  // namespace ovta::test
