// The fixture of the end-to-end runs: a private X display and the real
// reader started on the demo content with its trace on.
#pragma once

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "support/x_session.h"

namespace ovta::test {

class ReaderRunTest : public ::testing::Test {
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
        return std::make_unique<Process>(std::vector<std::string>{OVTA_BINARY, OVTA_DEMO_DIR},
                                         std::vector<std::string>{"DISPLAY=" + x->display(),
                                                                  "OVTA_TRACE=1",
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

} // namespace ovta::test
