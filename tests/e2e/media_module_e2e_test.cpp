// The reader without its media module: sound and video fail the way a
// missing media file does, with one error box naming the reason for the
// intro and the music both, and the reader goes on to the menu and ends
// normally.
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

#include "support/fixture_dir.h"
#include "support/reader_run.h"

namespace ovta::test {
namespace {

using namespace std::chrono_literals;

class MediaModuleMissing : public ReaderRunTest {};

TEST_F(MediaModuleMissing, MediaFailsWithAReportAndTheReaderGoesOnToTheMenu)
{
    FixtureDir empty;
    Process reader({OVTA_BINARY, OVTA_DEMO_DIR},
                   {"DISPLAY=" + x->display(), "OVTA_TRACE=1", "QT_QPA_PLATFORM=xcb",
                    "OVTA_MEDIA_DIR=" + empty.path().string()});
    bool atMenu = false;
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (!atMenu && std::chrono::steady_clock::now() < deadline) {
        const auto line = reader.readLine(2s);
        if (!line)
            continue;
        if (isErrorReport(*line)) {
            std::this_thread::sleep_for(300ms);
            keys({"Return"});
        }
        atMenu = line->rfind("ovta: activate falam1", 0) == 0;
    }
    ASSERT_TRUE(atMenu) << "no main menu\n" << joined(reader.lines());
    const std::optional<int> code = escapeUntilExit(reader, 4, 3s, 500ms);
    ASSERT_TRUE(code.has_value()) << "still running\n" << joined(reader.lines());
    EXPECT_EQ(*code, 0) << joined(reader.lines());
    for (const auto& line : reader.lines()) {
        if (isErrorReport(line)) {
            EXPECT_NE(line.find("media support is not installed"), std::string::npos) << line;
        }
    }
    EXPECT_EQ(errorReports(reader.lines()), 1) << joined(reader.lines());
    const auto& lines = reader.lines();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.rfind("ovta: error repeated", 0) == 0 &&
               line.find("kenor.wav") != std::string::npos;
    })) << "the music's failure was not met\n"
        << joined(lines);
}

}  // namespace
}  // namespace ovta::test
