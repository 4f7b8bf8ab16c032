// The real reader on the demo content, on a private X display: it starts,
// plays the intro to its end, shows the main menu, and Esc ends the run.
#include <gtest/gtest.h>
#include <filesystem>

#include "support/x_session.h"

namespace ovta::test {
namespace {

using namespace std::chrono_literals;

class ReaderRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!haveProgram("Xvfb") || !haveProgram("xdotool"))
            GTEST_SKIP() << "Xvfb and xdotool are needed for end-to-end runs";
        ASSERT_TRUE(std::filesystem::exists(std::filesystem::path(OVTA_DEMO_DIR) / "data"))
            << "demo content missing: build the demo target";
        x = std::make_unique<XServer>();
        ASSERT_TRUE(x->running()) << "Xvfb did not start";
    }

    std::unique_ptr<Process> startReader()
    {
        return std::make_unique<Process>(
            std::vector<std::string>{OVTA_BINARY, OVTA_DEMO_DIR},
            std::vector<std::string>{"DISPLAY=" + x->display(), "OVTA_TRACE=1",
                                     "QT_QPA_PLATFORM=xcb"});
    }

    void screenshot(const std::string& name)
    {
        std::filesystem::create_directories(OVTA_SHOT_DIR);
        x->run({"import", "-window", "root", std::string(OVTA_SHOT_DIR) + "/" + name});
    }

    static std::string joined(const std::vector<std::string>& lines)
    {
        std::string all;
        for (const auto& l : lines)
            all += l + "\n";
        return all;
    }

    std::unique_ptr<XServer> x;
};

TEST_F(ReaderRun, IntroEndsByItselfThenEscEndsTheRun)
{
    auto reader = startReader();
    ASSERT_TRUE(reader->waitForLine("ovta: activate firstflc", 30s)) << joined(reader->lines());
    ASSERT_TRUE(reader->waitForLine("ovta: media open data1\\kenor.avi", 20s)) << joined(reader->lines());
    // Nobody touches anything: the video runs to its end.
    ASSERT_TRUE(reader->waitForLine("ovta: activate falam1", 60s)) << joined(reader->lines());
    EXPECT_TRUE(reader->waitForLine("ovta: media open data1\\kenor.wav", 10s)) << joined(reader->lines());
    for (const auto& line : reader->lines())
        EXPECT_EQ(line.find("ovta: error"), std::string::npos) << line;
    screenshot("main_menu.png");

    x->run({"xdotool", "key", "Escape"});
    const auto code = reader->wait(15s);
    ASSERT_TRUE(code.has_value()) << "still running after Esc\n" << joined(reader->lines());
    EXPECT_EQ(*code, 0);
    EXPECT_NE(joined(reader->lines()).find("ovta: terminate"), std::string::npos);
}

TEST_F(ReaderRun, EscDuringTheIntroSkipsToTheMenu)
{
    auto reader = startReader();
    ASSERT_TRUE(reader->waitForLine("ovta: media open data1\\kenor.avi", 30s)) << joined(reader->lines());
    x->run({"xdotool", "key", "Escape"});
    ASSERT_TRUE(reader->waitForLine("ovta: activate falam1", 10s)) << joined(reader->lines());
    x->run({"xdotool", "key", "Escape"});
    const auto code = reader->wait(15s);
    ASSERT_TRUE(code.has_value()) << joined(reader->lines());
    EXPECT_EQ(*code, 0);
}

}  // namespace
}  // namespace ovta::test
