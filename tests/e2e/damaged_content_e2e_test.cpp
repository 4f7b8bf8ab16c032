// The real reader on copies of the demo content where one file of the
// start-up (a glyph font, the intro video, the menu music, the title table)
// or a book's sound is damaged: each error box is answered, the menu comes, Esc ends the run
// with exit code 0, and nothing hangs.
#include <cctype>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

#include "support/content_damage.h"
#include "support/fixture_dir.h"
#include "support/reader_run.h"

namespace ovta::test {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

struct StartCase {
    const char* file;
    Damage damage;
};

const StartCase kCases[] = {
    {"glyf01.ttf", Damage::Missing},          {"glyf01.ttf", Damage::RandomBytes},
    {"glyf01b.ttf", Damage::CutInHalf},       {"data1/kenor.avi", Damage::Missing},
    {"data1/kenor.avi", Damage::RandomBytes}, {"data1/kenor.avi", Damage::CutInHalf},
    {"data1/kenor.avi", Damage::Fifo},        {"data1/kenor.wav", Damage::RandomBytes},
    {"data1/kenor.wav", Damage::Directory},   {"data/kenor002", Damage::HugeFields},
};

void PrintTo(const StartCase& c, std::ostream* out)
{
    *out << c.file << " " << damageName(c.damage);
}

class DamagedStart : public ReaderRunTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(DamagedStart, ReachesTheMenuAndEndsWithExitCodeZero)
{
    const StartCase& c = GetParam();
    FixtureDir copy;
    fs::copy(OVTA_DEMO_DIR, copy.path(), fs::copy_options::recursive);
    DamagedFile damaged(copy.path() / c.file, c.damage);

    Process reader({OVTA_BINARY, copy.path().string()},
                   {"DISPLAY=" + x->display(), "OVTA_TRACE=1", "QT_QPA_PLATFORM=xcb"});
    // Each error box is answered with Enter; Esc skips the intro.
    bool atMenu = false;
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    bool skipped = false;
    while (!atMenu && std::chrono::steady_clock::now() < deadline) {
        const auto line = reader.readLine(2s);
        if (!line) {
            if (!skipped) {
                keys({"Escape"});
                skipped = true;
            }
            continue;
        }
        if (isErrorReport(*line)) {
            std::this_thread::sleep_for(300ms);
            keys({"Return"});
        }
        if (line->rfind("ovta: media open data1\\kenor.avi", 0) == 0 && !skipped) {
            keys({"Escape"});
            skipped = true;
        }
        atMenu = line->rfind("ovta: activate falam1", 0) == 0;
    }
    ASSERT_TRUE(atMenu) << "no main menu\n" << joined(reader.lines());
    EXPECT_EQ(damaged.fifoOpens(), 0) << "a named pipe was opened";
    // An error box may still be up over the menu: Esc answers it, and the
    // next Esc ends the run.
    const std::optional<int> code = escapeUntilExit(reader, 4, 3s, 500ms);
    ASSERT_TRUE(code.has_value()) << "still running\n" << joined(reader.lines());
    EXPECT_EQ(*code, 0) << joined(reader.lines());
    EXPECT_LE(errorReports(reader.lines()), 1) << "one fault, at most one report\n" << joined(reader.lines());
}

INSTANTIATE_TEST_SUITE_P(StartFiles, DamagedStart, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<StartCase>& info) {
                             std::string name =
                                 std::string(info.param.file) + "_" + damageName(info.param.damage);
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

// The recitation book's sound, damaged: the book still opens, says so once,
// and the run ends cleanly.
class DamagedBookSound : public ReaderRunTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedBookSound, TheBookOpensReportsOnceAndTheRunEndsWithExitCodeZero)
{
    FixtureDir copy;
    fs::copy(OVTA_DEMO_DIR, copy.path(), fs::copy_options::recursive);
    DamagedFile damaged(copy.path() / "data1/kenor01.wav", GetParam());
    Process reader({OVTA_BINARY, copy.path().string()},
                   {"DISPLAY=" + x->display(), "OVTA_TRACE=1", "QT_QPA_PLATFORM=xcb"});
    ASSERT_TRUE(reader.waitForLine("ovta: media open data1\\kenor.avi", 30s))
        << joined(reader.lines());
    keys({"Escape"});
    ASSERT_TRUE(reader.waitForLine("ovta: activate falam1", 30s)) << joined(reader.lines());
    std::this_thread::sleep_for(1s);
    clickAt(477 + 65, 88 + 50); // the section of frm61
    ASSERT_TRUE(reader.waitForLine("ovta: activate frm61", 15s)) << joined(reader.lines());
    std::this_thread::sleep_for(1s);
    clickAt(192 + 30, 352 + 30); // its recitation book
    ASSERT_TRUE(reader.waitForLine("ovta: open frm63", 15s)) << joined(reader.lines());
    std::this_thread::sleep_for(2s);
    screenshot(std::string("recitation_sound_") + damageName(GetParam()) + ".png");
    EXPECT_EQ(damaged.fifoOpens(), 0) << "a named pipe was opened";
    // Esc answers the error box, then leaves the book, the home and the run.
    const std::optional<int> code = escapeUntilExit(reader, 8, 1500ms);
    ASSERT_TRUE(code.has_value()) << "still running\n" << joined(reader.lines());
    EXPECT_EQ(*code, 0) << joined(reader.lines());
    EXPECT_EQ(errorReports(reader.lines()), 1) << joined(reader.lines());
}

INSTANTIATE_TEST_SUITE_P(Recitation, DamagedBookSound,
                         ::testing::Values(Damage::Missing, Damage::RandomBytes, Damage::Fifo),
                         [](const ::testing::TestParamInfo<Damage>& info) {
                             std::string name = damageName(info.param);
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

} // namespace
} // namespace ovta::test
