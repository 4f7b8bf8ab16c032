// The source tree keeps its layers: the content store at the bottom, the
// shell (frame, stack, screen kit) above it, the screen families above the
// shell, the program entry on top. A file includes only from its own layer
// or below; a family may use another family's plain model headers but never
// its screens (screens open each other by kind, through the registry).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::map<std::string, int> kRank = {
    {"store", 0}, {"shell", 1}, {"sections", 2}, {"reading", 2}, {"search", 2},
    {"books", 2}, {"lists", 2},  {"pages", 2},    {"app", 3},
};

struct Source {
    std::string folder;
    std::vector<std::string> includes; // "folder/file.h" of the project
    bool qt = false;                   // includes a Qt header itself
};

std::map<std::string, Source> readTree(const fs::path& root)
{
    static const std::regex project(R"(^\s*#\s*include\s+"([^"]+)\")");
    static const std::regex system(R"(^\s*#\s*include\s+<(Q[A-Za-z]*)>)");
    std::map<std::string, Source> tree;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const auto ext = entry.path().extension();
        if (ext != ".h" && ext != ".cpp")
            continue;
        const std::string name = fs::relative(entry.path(), root).generic_string();
        Source source;
        source.folder = name.substr(0, name.find('/'));
        std::ifstream in(entry.path());
        std::string line;
        std::smatch m;
        while (std::getline(in, line)) {
            if (std::regex_search(line, m, project))
                source.includes.push_back(m[1]);
            else if (std::regex_search(line, m, system))
                source.qt = true;
        }
        tree[name] = source;
    }
    return tree;
}

// A header is a screen header when it, or anything of the project it
// includes, includes Qt.
bool screenHeader(const std::map<std::string, Source>& tree, const std::string& name,
                  std::set<std::string>& seen)
{
    auto it = tree.find(name);
    if (it == tree.end() || !seen.insert(name).second)
        return false;
    if (it->second.qt)
        return true;
    for (const auto& inc : it->second.includes)
        if (screenHeader(tree, inc, seen))
            return true;
    return false;
}

std::vector<std::string> layerBreaks(const std::map<std::string, Source>& tree)
{
    std::vector<std::string> breaks;
    for (const auto& [name, source] : tree) {
        auto own = kRank.find(source.folder);
        if (own == kRank.end()) {
            breaks.push_back(name + ": in no layer");
            continue;
        }
        for (const auto& inc : source.includes) {
            const std::string folder = inc.substr(0, inc.find('/'));
            auto target = kRank.find(folder);
            if (target == kRank.end()) {
                breaks.push_back(name + " includes " + inc + ", which is in no layer");
                continue;
            }
            if (target->second > own->second) {
                breaks.push_back(name + " includes " + inc + " from a layer above its own");
                continue;
            }
            std::set<std::string> seen;
            if (target->second == 2 && own->second == 2 && folder != source.folder &&
                screenHeader(tree, inc, seen))
                breaks.push_back(name + " includes " + inc + ", a screen of another family");
        }
    }
    return breaks;
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string all;
    for (const auto& l : lines)
        all += "  " + l + "\n";
    return all;
}

TEST(Layers, NoSourceFileIncludesAboveItsLayerOrAnotherFamilysScreens)
{
    const auto tree = readTree(fs::path(OVTA_SOURCE_DIR) / "src");
    ASSERT_GT(tree.size(), 50u) << "the source tree was not found";
    const auto breaks = layerBreaks(tree);
    EXPECT_TRUE(breaks.empty()) << joined(breaks);
}

// The check itself finds each kind of break in a small tree of its own.
TEST(Layers, TheCheckFindsEachKindOfBreak)
{
    const fs::path root = fs::temp_directory_path() / "ovta_layers_test";
    fs::remove_all(root);
    const std::map<std::string, std::string> files = {
        {"store/data.h", "#include <vector>\n"},
        {"store/bad.cpp", "#include \"shell/screen.h\"\n"},
        {"shell/screen.h", "#include <QWidget>\n#include \"store/data.h\"\n"},
        {"shell/model.h", "#include \"store/data.h\"\n"},
        {"reading/list.h", "#include \"shell/screen.h\"\n"},
        {"reading/rows.h", "#include \"store/data.h\"\n"},
        {"search/dialog.cpp", "#include \"reading/list.h\"\n#include \"reading/rows.h\"\n"},
        {"app/main.cpp", "#include \"search/dialog.h\"\n#include \"content/old.h\"\n"},
        {"content/old.h", ""},
    };
    for (const auto& [name, text] : files) {
        fs::create_directories((root / name).parent_path());
        std::ofstream(root / name) << text;
    }
    const auto breaks = layerBreaks(readTree(root));
    fs::remove_all(root);
    EXPECT_EQ(breaks, (std::vector<std::string>{
                          "app/main.cpp includes content/old.h, which is in no layer",
                          "content/old.h: in no layer",
                          "search/dialog.cpp includes reading/list.h, a screen of another family",
                          "store/bad.cpp includes shell/screen.h from a layer above its own",
                      }))
        << joined(breaks);
}

} // namespace
