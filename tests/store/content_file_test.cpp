#include "store/content_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "store/errors.h"
#include "support/fifo_stand_in.h"
#include "support/fixture_dir.h"

namespace ovta {
namespace {

namespace fs = std::filesystem;
using test::FifoStandIn;
using test::FixtureDir;

// The error text of `f`, or nothing when it throws no FileError.
template <typename F>
std::optional<std::string> fileErrorText(F&& f)
{
    try {
        f();
    } catch (const FileError& e) {
        return std::string(e.what());
    }
    return std::nullopt;
}

TEST(ContentFile, ReadsWholeFilesByteForByte)
{
    std::string large;
    for (int i = 0; i < 200 * 1024 + 7; ++i)
        large += static_cast<char>(i * 7 % 256);
    struct Case {
        const char* what;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"empty", ""},
        {"glyph bytes, zero bytes and line breaks", std::string("\xC0\x00\xFF\r\n\x01\x00", 7)},
        {"larger than one read", large},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FixtureDir content;
        content.write("DATA/Kenor002", c.bytes);
        EXPECT_EQ(ContentFile::readAll(ContentDir(content.path()), "data\\kenor002"), c.bytes);
    }
}

TEST(ContentFile, OpensOnlyRegularFilesAndRefusesTheRestLikeAMissingFile)
{
    FixtureDir content;
    FixtureDir outside;
    outside.write("secret", "secret");
    content.write("data/kenor002", "titles");
    fs::create_directories(content.path() / "data/adir");
    fs::create_symlink(outside.path() / "secret", content.path() / "data/link");
    fs::create_symlink("kenor002", content.path() / "data/inside");
    const FifoStandIn fifo(content.path() / "data/fifo");
    const ContentDir dir(content.path());

    EXPECT_EQ(ContentFile::readAll(dir, "data\\inside"), "titles");
    EXPECT_EQ(ContentFile::regularFile(dir, "data\\kenor002"), content.path() / "data/kenor002");
    EXPECT_TRUE(ContentFile::open(dir, "data\\kenor002").isOpen());

    const std::vector<std::pair<std::string, std::string>> refused = {
        {"data\\missing", "\"data\\missing\": cannot be opened"},
        {"data\\adir", "\"data\\adir\": cannot be opened"},
        {"data\\fifo", "\"data\\fifo\": cannot be opened"},
        {"data\\link", "\"data\\link\": cannot be opened"},
        {"..\\secret", "\"..\\secret\": cannot be opened"},
        {"", "(no file): cannot be opened"},
    };
    for (const auto& [name, text] : refused) {
        SCOPED_TRACE(name);
        EXPECT_EQ(fileErrorText([&] { ContentFile::open(dir, name); }), text);
        EXPECT_EQ(fileErrorText([&] { ContentFile::readAll(dir, name); }), text);
        EXPECT_EQ(ContentFile::regularFile(dir, name), std::nullopt);
    }
    EXPECT_EQ(fifo.opens(), 0) << "the pipe must not even be opened";
}

TEST(ContentFile, ReadsAtAnOffsetWhatTheFileHoldsThere)
{
    FixtureDir content;
    content.write("data/kenor09", "hello world");
    const auto file = ContentFile::open(ContentDir(content.path()), "data\\kenor09");
    EXPECT_EQ(file.size(), 11);
    struct Case {
        std::int64_t offset;
        std::size_t count;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {0, 5, "hello"}, {6, 5, "world"}, {6, 100, "world"}, {11, 4, ""}, {-1, 4, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offset);
        std::string out(c.count, '#');
        out.resize(file.readAt(c.offset, out.data(), c.count));
        EXPECT_EQ(out, c.bytes);
    }
    const ContentFile closed;
    char byte = '#';
    EXPECT_EQ(closed.readAt(0, &byte, 1), 0u);
    EXPECT_EQ(closed.size(), 0);
}

}  // namespace
}  // namespace ovta
