// A running shell for screen tests: the backdrop, a recording error report,
// a recorded terminate request, a captured trace, scripted media players
// and a content directory of the test's own. Everything goes at the end.
#pragma once

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "shell/backdrop.h"
#include "support/fixture_dir.h"
#include "support/recording_reporter.h"

namespace ovta {
class FakeMediaPlayer;
}

namespace ovta::test {

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Lets queued work (releases, first activation) run.
    static void settle();

    // The players the screens created, in order.
    std::vector<FakeMediaPlayer*> players;
    // What the trace printed, one entry per line.
    std::vector<std::string> traced;
    bool hasTrace(const std::string& prefix) const;

    int terminateRequests = 0;
    FixtureDir content;
    std::unique_ptr<RecordErrors> errors;
    TForm6* backdrop = nullptr;

    // Configures the media each new fake player knows (content name -> ms;
    // a negative length makes the file fail to open).
    void knowMedia(const std::string& name, long long lengthMs) { media_.push_back({name, lengthMs}); }

private:
    std::vector<std::pair<std::string, long long>> media_;
};

}  // namespace ovta::test
