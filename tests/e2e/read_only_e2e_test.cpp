// The reader never writes: run under strace through a route across the
// screens on a read-only copy of the content, it opens nothing for writing
// (nor makes, renames or removes anything) outside the caches the media and
// font libraries keep for themselves, which live under the run's own home
// and runtime folders here, and the devices.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <thread>

#include "support/fixture_dir.h"
#include "support/reader_run.h"

namespace ovta::test {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// Where the libraries may write, below the run's home: GStreamer's plugin
// registry, fontconfig's and Mesa's caches, PulseAudio's cookie; and the
// runtime folder, where PulseAudio keeps its client state and GStreamer's
// ORC its just-in-time code (orcexec.*). The test records what was written.
const char* const kLibraryCaches[] = {".cache/gstreamer-1.0/", ".cache/fontconfig/",
                                      ".cache/mesa_shader_cache/", ".config/pulse/", "runtime/"};

// True for a traced call that would change the file system.
bool writes(const std::string& line)
{
    static const std::regex open(R"((open|openat|openat2)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC))");
    static const std::regex change(
        R"(^\d*\s*(creat|mkdir|mkdirat|rename|renameat|renameat2|unlink|unlinkat|link|linkat|symlink|symlinkat|truncate|chmod|fchmodat)\()");
    return std::regex_search(line, open) || std::regex_search(line, change);
}

// The first quoted path of a traced call.
std::string pathOf(const std::string& line)
{
    const auto start = line.find('"');
    if (start == std::string::npos)
        return {};
    return line.substr(start + 1, line.find('"', start + 1) - start - 1);
}

bool allowed(const std::string& path, const fs::path& home)
{
    if (path.rfind("/dev/", 0) == 0)
        return true;
    // A cache, a file in it, or a folder on the way to it.
    const std::string folder = path + "/";
    for (const char* cache : kLibraryCaches) {
        const std::string at = (home / cache).string();
        if (folder.rfind(at, 0) == 0 || at.rfind(folder, 0) == 0)
            return true;
    }
    return false;
}

// "a/b" of a relative path "a/b/c...", for listing what was written where.
std::string firstTwo(const fs::path& relative)
{
    std::string out;
    int n = 0;
    for (auto it = relative.begin(); it != relative.end() && n < 2; ++it, ++n)
        out += (n ? "/" : "") + it->string();
    return out;
}

class ReadOnlyRun : public ReaderRunTest {};

TEST_F(ReadOnlyRun, WritesNothingOutsideTheLibrariesCaches)
{
    if (!haveProgram("strace"))
        GTEST_FAIL() << "strace is needed for the read-only check";
    FixtureDir scratch;
    const fs::path content = scratch.path() / "content";
    const fs::path home = scratch.path() / "home";
    fs::create_directories(home / "runtime");
    fs::permissions(home / "runtime", fs::perms::owner_all);
    fs::copy(OVTA_DEMO_DIR, content, fs::copy_options::recursive);
    for (const auto& entry : fs::recursive_directory_iterator(content))
        if (entry.is_regular_file())
            fs::permissions(entry.path(),
                            fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const fs::path log = scratch.path() / "strace.log";
    // LeakSanitizer stops the program's threads with ptrace at exit, which
    // strace holds already: in the sanitizer build the leak check is left to
    // the other runs.
    const char* asan = std::getenv("ASAN_OPTIONS");
    const std::string noLeakCheck =
        std::string("ASAN_OPTIONS=") + (asan ? asan : "") + (asan && *asan ? ":" : "") +
        "detect_leaks=0";

    Process reader({"strace", "-f", "-qq", "-o", log.string(), "-e",
                    "trace=open,openat,openat2,creat,mkdir,mkdirat,rename,renameat,renameat2,"
                    "unlink,unlinkat,link,linkat,symlink,symlinkat,truncate,chmod,fchmodat",
                    OVTA_BINARY, content.string()},
                   {"DISPLAY=" + x->display(), "OVTA_TRACE=1", "QT_QPA_PLATFORM=xcb",
                    "HOME=" + home.string(), "XDG_RUNTIME_DIR=" + (home / "runtime").string(),
                    "XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", noLeakCheck});
    ASSERT_TRUE(reader.waitForLine("ovta: media open data1\\kenor.avi", 60s))
        << joined(reader.lines());
    keys({"Escape"});
    ASSERT_TRUE(reader.waitForLine("ovta: activate falam1", 30s)) << joined(reader.lines());
    // Into three sections and one screen of each, and back.
    for (int downs : {4, 2, 3}) {
        std::this_thread::sleep_for(1500ms);
        std::vector<std::string> route(static_cast<std::size_t>(downs), "Down");
        route.push_back("Return");
        keys(route);
        std::this_thread::sleep_for(2s);
        keys({"Down", "Down", "Return"});
        std::this_thread::sleep_for(3s);
        keys({"Escape"});
        std::this_thread::sleep_for(1500ms);
        keys({"Escape"});
    }
    std::this_thread::sleep_for(1500ms);
    std::optional<int> code;
    for (int i = 0; i < 4 && !code; ++i) {
        keys({"Escape"});
        code = reader.wait(10s);
    }
    ASSERT_TRUE(code.has_value()) << "still running\n" << joined(reader.lines());
    EXPECT_EQ(*code, 0);

    int opened = 0;
    for (const auto& line : reader.lines())
        opened += line.rfind("ovta: open ", 0) == 0;
    EXPECT_GE(opened, 6) << "the route did not go across the screens\n" << joined(reader.lines());

    std::ifstream in(log);
    std::string line;
    int calls = 0;
    std::set<std::string> libraryWrites;
    while (std::getline(in, line)) {
        ++calls;
        if (!writes(line))
            continue;
        const std::string path = pathOf(line);
        if (!allowed(path, home))
            ADD_FAILURE() << "writes: " << line;
        else if (path.rfind(home.string(), 0) == 0)
            libraryWrites.insert(firstTwo(fs::path(path).lexically_relative(home)));
    }
    std::string written;
    for (const auto& w : libraryWrites)
        written += (written.empty() ? "" : " ") + w;
    RecordProperty("library_writes", written);
    EXPECT_GT(calls, 100) << "strace traced nothing";
}

} // namespace
} // namespace ovta::test
