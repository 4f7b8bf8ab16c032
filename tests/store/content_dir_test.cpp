#include "store/content_dir.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/fixture_dir.h"

namespace ovta {
namespace {

namespace fs = std::filesystem;
using test::FixtureDir;

struct ResolveCase {
    std::string name;
    std::optional<std::string> expected;  // relative to the content directory
};

class ContentDirTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        content.write("data/kenor002", "titles");
        content.write("Data1/Kenor.avi", "video");
        content.write("data/ABC", "upper");
        content.write("data/abc", "lower");
        content.write("data/aBc", "mixed");
        content.write("C:/data/kenor002", "drive");
        content.write("c:data/kenor002", "drive");
        outside.write("secret", "outside");
        fs::create_symlink("kenor002", content.path() / "data/inside");
        fs::create_symlink(outside.path() / "secret", content.path() / "data/out");
        fs::create_symlink(outside.path(), content.path() / "outdir");
        fs::create_symlink("nowhere", content.path() / "data/dangling");
    }

    FixtureDir content;
    FixtureDir outside;
};

TEST_F(ContentDirTest, ResolvesNamesAsWrittenAndRefusesEscapes)
{
    const std::string nul("data\0kenor002", 13);
    const std::vector<ResolveCase> cases = {
        {"data\\kenor002", "data/kenor002"},
        {"data/kenor002", "data/kenor002"},
        {"DATA\\KENOR002", "data/kenor002"},
        {"data1\\kenor.AVI", "Data1/Kenor.avi"},
        {"data1", "Data1"},
        // The exact name wins over other case variants...
        {"data\\abc", "data/abc"},
        {"data\\aBc", "data/aBc"},
        // ...and without one the choice does not depend on listing order.
        {"data\\Abc", "data/ABC"},
        {"data\\inside", "data/inside"},
        {"data\\missing", std::nullopt},
        {"", std::nullopt},
        {"\\data\\kenor002", std::nullopt},
        {"/data/kenor002", std::nullopt},
        {"C:\\data\\kenor002", std::nullopt},
        {"c:data\\kenor002", std::nullopt},
        {"data\\..\\data\\kenor002", std::nullopt},
        {"..\\secret", std::nullopt},
        {"data\\.\\kenor002", std::nullopt},
        {".", std::nullopt},
        {"data\\\\kenor002", std::nullopt},
        {"data\\kenor002\\", std::nullopt},
        {"data\\kenor002\\more", std::nullopt},
        {nul, std::nullopt},
        {"data\\out", std::nullopt},
        {"outdir\\secret", std::nullopt},
        {"OUTDIR\\SECRET", std::nullopt},
        {"data\\dangling", std::nullopt},
    };
    const ContentDir dir(content.path());
    for (const auto& c : cases) {
        SCOPED_TRACE("name: " + c.name);
        const auto got = dir.resolve(c.name);
        if (!c.expected) {
            EXPECT_FALSE(got.has_value()) << *got;
            continue;
        }
        ASSERT_TRUE(got.has_value());
        EXPECT_EQ(*got, content.path() / *c.expected);
    }
}

TEST_F(ContentDirTest, ResolvesUnderARelativeRoot)
{
    const auto saved = fs::current_path();
    fs::current_path(content.path());
    const ContentDir dir(".");
    const auto found = dir.resolve("DATA\\Kenor002");
    const auto escaped = dir.resolve("data\\out");
    fs::current_path(saved);
    ASSERT_TRUE(found.has_value());
    EXPECT_TRUE(fs::equivalent(content.path() / *found, content.path() / "data/kenor002"));
    EXPECT_FALSE(escaped.has_value());
}

TEST(ContentDir, MissingFoldersNamesWhatACopyOfTheContentLacks)
{
    struct Case {
        const char* what;
        std::vector<std::string> folders; // made as folders
        std::vector<std::string> files;   // made as files
        std::vector<std::string> missing;
    };
    const Case cases[] = {
        {"both, as on the disc", {"data", "data1"}, {}, {}},
        {"both, in capitals", {"DATA", "Data1"}, {}, {}},
        {"an empty folder", {}, {}, {"data", "data1"}},
        {"the disc's parent folder", {"disc/data", "disc/data1"}, {}, {"data", "data1"}},
        {"data1 missing", {"data"}, {}, {"data1"}},
        {"a file named data", {"data1"}, {"data"}, {"data"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FixtureDir dir;
        for (const auto& f : c.folders)
            fs::create_directories(dir.path() / f);
        for (const auto& f : c.files)
            dir.write(f, "not a folder");
        EXPECT_EQ(ContentDir(dir.path()).missingFolders(), c.missing);
    }
    EXPECT_EQ(ContentDir("/nonexistent/ovta").missingFolders(),
              (std::vector<std::string>{"data", "data1"}));
}

TEST(ContentDir, CurrentIsTheDirectorySetAtStart)
{
    FixtureDir content;
    content.write("data/kenor002", "x");
    ContentDir::setCurrent(content.path());
    const auto found = ContentDir::current().resolve("data\\kenor002");
    ContentDir::setCurrent(".");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(*found, content.path() / "data/kenor002");
}

}  // namespace
}  // namespace ovta
