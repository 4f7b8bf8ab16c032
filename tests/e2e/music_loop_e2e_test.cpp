// The menu's music in the real reader, with the real sound player: a short
// piece starts again each time it ends, switched off it stays silent, and
// switched on it plays on and keeps looping.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

#include "support/fixture_dir.h"
#include "support/reader_run.h"
#include "support/wave_bytes.h"

namespace ovta::test {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

class MusicLoop : public ReaderRunTest {
protected:
    // Reads lines until `count` of them start with `prefix` or `timeout` has
    // passed; how many came.
    static int countLines(Process& reader, const std::string& prefix, int count,
                          std::chrono::milliseconds timeout)
    {
        int seen = 0;
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (seen < count && std::chrono::steady_clock::now() < deadline) {
            const auto line = reader.readLine(100ms);
            if (line && line->rfind(prefix, 0) == 0)
                ++seen;
        }
        return seen;
    }
};

TEST_F(MusicLoop, AShortPieceLoopsPausesAndPlaysOn)
{
    FixtureDir copy;
    fs::copy(OVTA_DEMO_DIR, copy.path(), fs::copy_options::recursive);
    {
        std::ofstream wave(copy.path() / "data1" / "kenor.wav", std::ios::binary | std::ios::trunc);
        wave << musicWaveBytes(800);
    }
    const auto run = startAtMenu(copy.path().string());
    ASSERT_TRUE(run);
    Process& reader = *run;

    // The first play, then one from the start at each end.
    const std::string fromStart = "ovta: media play data1\\kenor.wav from=0 ";
    EXPECT_EQ(countLines(reader, fromStart, 4, 15s), 4) << joined(reader.lines());

    // ms1 switches the music off: nothing plays for several lengths of it.
    clickAt(112 + 16, 8 + 16);
    EXPECT_EQ(countLines(reader, "ovta: media play data1\\kenor.wav", 1, 3s), 0)
        << joined(reader.lines());
    // ms2 switches it on again: it plays on from where it was, then loops.
    clickAt(112 + 16, 8 + 16);
    EXPECT_EQ(countLines(reader, "ovta: media play data1\\kenor.wav", 1, 3s), 1)
        << joined(reader.lines());
    EXPECT_EQ(countLines(reader, fromStart, 2, 10s), 2) << joined(reader.lines());
    EXPECT_EQ(errorReports(reader.lines()), 0) << joined(reader.lines());

    keys({"Escape"});
    const auto code = reader.wait(15s);
    ASSERT_TRUE(code.has_value()) << joined(reader.lines());
    EXPECT_EQ(*code, 0);
}

} // namespace
} // namespace ovta::test
