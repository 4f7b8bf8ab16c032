// A running shell for screen tests: the backdrop, a recording error report,
// a recorded terminate request, a captured trace, scripted media players
// and a content directory of the test's own. Everything goes at the end.
#pragma once

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "shell/backdrop.h"
#include "support/fake_pointer.h"
#include "support/fixture_dir.h"
#include "support/recording_reporter.h"
#include "support/trace_capture.h"

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
    std::unique_ptr<TraceCapture> traceCapture;
    bool hasTrace(const std::string& prefix) const { return traceCapture->hasPrefix(prefix); }

    // Puts a fake in place of the system pointer for the rest of the test.
    FakePointer* useFakePointer()
    {
        fakePointer_ = std::make_unique<FakePointerScope>();
        return fakePointer_->get();
    }

    int terminateRequests = 0;
    FixtureDir content;
    std::unique_ptr<RecordErrors> errors;
    TForm6* backdrop = nullptr;

    // Configures the media each new fake player knows (content name -> ms;
    // a negative length makes the file fail to open).
    void knowMedia(const std::string& name, long long lengthMs) { media_.push_back({name, lengthMs}); }

private:
    std::vector<std::pair<std::string, long long>> media_;
    std::unique_ptr<FakePointerScope> fakePointer_;
};

}  // namespace ovta::test
