// The fixture of the end-to-end runs: a private X display and the real
// reader started on the demo content with its trace on.
#pragma once

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <thread>
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

    // On the demo content, or on the content in `dir` (a changed copy).
    std::unique_ptr<Process> startReader(const std::string& dir = OVTA_DEMO_DIR)
    {
        return std::make_unique<Process>(std::vector<std::string>{OVTA_BINARY, dir},
                                         std::vector<std::string>{"DISPLAY=" + x->display(),
                                                                  "OVTA_TRACE=1",
                                                                  "QT_QPA_PLATFORM=xcb"});
    }

    // Starts the reader, skips the intro with Esc and waits for the main
    // menu; nullptr (with the test failed) when it does not come.
    std::unique_ptr<Process> startAtMenu(const std::string& dir = OVTA_DEMO_DIR)
    {
        using namespace std::chrono_literals;
        auto reader = startReader(dir);
        if (!reader->waitForLine("ovta: media open data1\\kenor.avi", 30s)) {
            ADD_FAILURE() << "no intro\n" << joined(reader->lines());
            return nullptr;
        }
        keys({"Escape"});
        if (!reader->waitForLine("ovta: activate falam1", 15s)) {
            ADD_FAILURE() << "no main menu\n" << joined(reader->lines());
            return nullptr;
        }
        return reader;
    }

    // Esc, then a wait of `wait` for the run to end, up to `presses` times
    // (`pause` before each): an error box still up takes the first Esc, a
    // screen over the menu the next. The exit code, or nothing if the run
    // goes on.
    std::optional<int> escapeUntilExit(Process& reader, int presses, std::chrono::milliseconds wait,
                                       std::chrono::milliseconds pause = {})
    {
        std::optional<int> code;
        for (int i = 0; i < presses && !code; ++i) {
            std::this_thread::sleep_for(pause);
            keys({"Escape"});
            code = reader.wait(wait);
        }
        return code;
    }

    // An error report shown to the user, as the trace records it.
    static bool isErrorReport(const std::string& line)
    {
        return line.rfind("ovta: error text=", 0) == 0;
    }
    static int errorReports(const std::vector<std::string>& lines)
    {
        int reports = 0;
        for (const auto& line : lines)
            reports += isErrorReport(line);
        return reports;
    }

    // Presses the keys one after another (xdotool names: "Down", "Return").
    void keys(const std::vector<std::string>& names, int delayMs = 60)
    {
        std::vector<std::string> argv{"xdotool", "key", "--delay", std::to_string(delayMs)};
        argv.insert(argv.end(), names.begin(), names.end());
        x->run(argv);
    }

    // A point of the 640x480 screen, centred on the 1024x768 display.
    void pointTo(int screenX, int screenY)
    {
        x->run({"xdotool", "mousemove", std::to_string(kScreenLeft + screenX),
                std::to_string(kScreenTop + screenY)});
    }

    void clickAt(int screenX, int screenY)
    {
        using namespace std::chrono_literals;
        pointTo(screenX, screenY);
        std::this_thread::sleep_for(150ms);
        x->run({"xdotool", "click", "1"});
    }

    static constexpr int kScreenLeft = (1024 - 640) / 2;
    static constexpr int kScreenTop = (768 - 480) / 2;

    void screenshot(const std::string& name)
    {
        std::filesystem::create_directories(OVTA_SHOT_DIR);
        x->run({"import", "-window", "root", std::string(OVTA_SHOT_DIR) + "/" + name});
    }

public:
    // The lines as one text, for failure messages.
    static std::string joined(const std::vector<std::string>& lines)
    {
        std::string all;
        for (const auto& l : lines)
            all += l + "\n";
        return all;
    }

protected:
    std::unique_ptr<XServer> x;
};

} // namespace ovta::test
