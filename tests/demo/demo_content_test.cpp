#include "demo/demo_content.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

#include "store/content_dir.h"
#include "store/errors.h"
#include "support/fixture_dir.h"

namespace ovta::demo {
namespace {

// One run shared by the tests that only read it: a run takes a second or two.
const std::vector<DemoFile>& oneRun()
{
    static const std::vector<DemoFile> files = buildDemoText();
    return files;
}

TEST(DemoContent, TwoRunsGiveTheSameFilesAndBytes)
{
    const auto& first = oneRun();
    const auto second = buildDemoText();
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].name, second[i].name);
        EXPECT_TRUE(first[i].bytes == second[i].bytes) << first[i].name << " differs";
    }
}

TEST(DemoContent, WritesEachFileWhereTheProgramLooksForIt)
{
    ovta::test::FixtureDir dir;
    const auto& files = oneRun();
    std::set<std::string> names;
    for (const auto& f : files) {
        EXPECT_TRUE(names.insert(f.name).second) << f.name << " twice";
        writeContentFile(dir.path(), f);
    }
    const ContentDir content(dir.path());
    for (const char* name : {"data\\kenor001", "data\\kenor002", "data1\\kenor.wav"})
        EXPECT_TRUE(names.count(name)) << name;
    for (const auto& f : files) {
        const auto path = content.resolve(f.name);
        ASSERT_TRUE(path) << f.name;
        std::ifstream in(*path, std::ios::binary);
        const std::string back{std::istreambuf_iterator<char>(in), {}};
        EXPECT_TRUE(back == f.bytes) << f.name;
    }
}

#ifdef OVTA_DEMO_CMAKE_LIST
// The build regenerates the demo content only when one of the files it
// lists is missing or older than the generator: a file left out of the
// list would never be rebuilt.
TEST(DemoContent, BuildListsEveryFileTheGeneratorWrites)
{
    std::ifstream in(OVTA_DEMO_CMAKE_LIST);
    ASSERT_TRUE(in) << OVTA_DEMO_CMAKE_LIST;
    std::set<std::string> listed;
    for (std::string line; std::getline(in, line);) {
        const auto at = line.find("${OVTA_DEMO_DIR}/");
        if (at != std::string::npos)
            listed.insert(line.substr(at + 17, line.find_last_not_of(" \t\r") - at - 16));
    }
    for (const auto& f : oneRun()) {
        std::string path = f.name;
        std::replace(path.begin(), path.end(), '\\', '/');
        EXPECT_TRUE(listed.count(path)) << path << " is not in " << OVTA_DEMO_CMAKE_LIST;
    }
}
#endif

TEST(DemoContent, ContentPathStaysInsideTheDirectory)
{
    const std::filesystem::path root("/content");
    EXPECT_EQ(contentPath(root, "data\\kenor002"), root / "data" / "kenor002");
    EXPECT_EQ(contentPath(root, "data1\\1\\1.bmp"), root / "data1" / "1" / "1.bmp");
    for (const char* bad :
         {"", "..\\x", "data\\..\\..\\x", "data\\\\x", "\\x", "data\\", "data/../x", "."})
        EXPECT_THROW(contentPath(root, bad), FileError) << bad;
}

} // namespace
} // namespace ovta::demo
