// Records what the central error report would show, instead of a modal box.
// It can also behave as the real box does: run an event loop of its own
// while it is "up", and run something during it (a key the user presses, a
// click that releases a screen), so tests can follow what happens to a
// screen while its error box is showing.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "shell/error_report.h"

namespace ovta::test {

class RecordingReporter : public ErrorReporter {
public:
    void show(const std::string& text) override;
    std::vector<std::string> shown;
    bool spinLoop = false;
    std::function<void()> whileShown;
};

// Installs a recorder for the life of the object; restores the message box after.
class RecordErrors {
public:
    RecordErrors();
    ~RecordErrors();
    const std::vector<std::string>& shown() const { return recorder_->shown; }
    void clear() { recorder_->shown.clear(); }

    // From now on each report spins a nested event loop, as a message box
    // does, and runs `during` inside it.
    void spinWhileShown(std::function<void()> during = {})
    {
        recorder_->spinLoop = true;
        recorder_->whileShown = std::move(during);
    }

private:
    RecordingReporter* recorder_;
};

}  // namespace ovta::test
