// fuzz_seeds: writes the seed inputs of every fuzz target, cut from the demo
// content, into <dir>/<target>/. Each seed has the shape fuzz_input.h reads:
// a variant byte, then the files of one reader joined by the part separator,
// then a few moves. Files are cut short so that the seeds stay small; their
// first records still point into the kept bytes.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "books/book_tables.h"
#include "demo/demo_content.h"
#include "fuzz_input.h"

namespace {

using ovta::fuzz::kPartSeparator;

constexpr std::size_t kCut = 6000;

std::map<std::string, std::string> gFiles;

std::string file(const std::string& name)
{
    const auto it = gFiles.find(name);
    if (it == gFiles.end())
        return {};
    return it->second.substr(0, kCut);
}

// Numbers as Ops::number() reads them.
std::string n8(int v)
{
    return std::string{'\x02', static_cast<char>(v)};
}
std::string n16(int v)
{
    return std::string{'\x03', static_cast<char>(v & 0xff), static_cast<char>((v >> 8) & 0xff)};
}

class Writer {
public:
    explicit Writer(std::filesystem::path root) : root_(std::move(root)) {}

    void seed(const std::string& target, std::uint8_t variant, const std::vector<std::string>& parts)
    {
        std::string bytes(1, static_cast<char>(variant));
        for (std::size_t i = 0; i < parts.size(); ++i) {
            // A file holding the separator would split where it should not.
            if (parts[i].find(kPartSeparator) != std::string::npos)
                return;
            if (i > 0)
                bytes += kPartSeparator;
            bytes += parts[i];
        }
        const auto dir = root_ / target;
        std::filesystem::create_directories(dir);
        std::ofstream out(dir / ("seed-" + std::to_string(count_[target]++)), std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            throw std::runtime_error("cannot write a seed of " + target);
    }

private:
    std::filesystem::path root_;
    std::map<std::string, int> count_;
};

std::string counting(int n)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s += static_cast<char>(i * 7 + 1);
    return s;
}

void storeSeeds(Writer& w)
{
    const std::string reads = n8(1) + n16(9) + n8(0) + n8(40) + n16(24) + n8(2) + counting(24);
    for (const char* list : {"data\\1kenor01", "data\\1kenor12", "data\\1kenor67", "data\\kenor07"})
        w.seed("store", 0, {file(list), std::string{'\0'} + n8(3) + "\x01" + n8(9) + reads});
    for (const char* data : {"data\\kenor02", "data\\kenor09"})
        w.seed("store", 1, {file(data), n8(0) + n16(200) + n16(40) + n16(300) + n8(-1) + n8(5)});
    w.seed("store", 2, {file("data\\kenor002")});
    for (const char* name : {"data\\kenor002", "DATA\\Kenor002", "data1", "data\\..\\data", "c:x"})
        w.seed("store", 3, {name});
}

void readingSeeds(Writer& w)
{
    // Topic lists with their own record layouts, groups and capacities.
    struct List {
        const char* topics;
        const char* titles;
        int record, byGroup, offset, capacity, group;
    };
    for (const List& l : {List{"data\\1kenor01", "data\\kenor02", 0, 1, 0, 201, 7},
                          List{"data\\1kenor12", "data\\kenor11", 1, 0, 0, 1001, 0},
                          List{"data\\1kenor49", "data\\kenor490", 2, 0, -1, 200, 0},
                          List{"data\\1kenor84", "data\\kenor88", 2, 0, 0, 30, 0}}) {
        const std::string rules = std::string{static_cast<char>(l.record), static_cast<char>(l.byGroup)} +
                                  n8(l.offset) + n16(l.capacity) + n8(l.group) + "\x01";
        w.seed("reading", 0, {file(l.topics), file(l.titles), rules});
    }
    struct Reader {
        const char* locators;
        const char* sections;
        const char* texts;
        int pairs;
    };
    for (const Reader& r : {Reader{"data\\1kenor010", "data\\1kenor011", "data\\kenor09", 7},
                            Reader{"data\\1kenor17", "data\\1kenor18", "data\\kenor19", 4}}) {
        std::string ops;
        for (int record = 0; record < 4; ++record)
            ops += n8(record) + static_cast<char>(r.pairs) + '\x01';
        w.seed("reading", 1, {file(r.locators), file(r.sections), file(r.texts), ops});
    }
    std::vector<std::string> index;
    for (const char* f : {"data\\1kenor016", "data\\kenor017", "data\\1kenor06", "data\\1kenor05",
                          "data\\1kenor04", "data\\1kenor03", "data\\kenor07", "data\\kenor08"})
        index.push_back(file(f));
    index.push_back(std::string("\x01") + n8(0) + "\x00\x01\x00" + "\x01" + n8(1) + "\x00\x02\x01");
    w.seed("reading", 2, index);
    w.seed("reading", 3, {n16(893) + "\x01" + n16(10) + n16(120) + "\x01" + n8(5) + n16(400) + "\x03" +
                          n16(2) + n16(300) + n16(500)});
}

void bookSeeds(Writer& w)
{
    // Widths of 120 pixels; open rows down the first columns, then move the
    // pane and the run.
    std::string moves(1, 40);
    for (int k = 1; k <= 4; ++k)
        for (int row = 1; row <= 3; ++row)
            moves += std::string{static_cast<char>(k), '\0', static_cast<char>(row)};
    moves += std::string{'\0', 7, 1, '\0', 7, 3, '\0', 8, 1, '\0', 8, 0, 1, 5, 1, 4, '\0', 10} + n8(0) +
             std::string{'\0', 6, 1};
    struct Book {
        ovta::BookScreen screen;
        std::vector<int> numbers;
    };
    using ovta::BookScreen;
    for (const Book& b : {Book{BookScreen::Frm14, {0}}, Book{BookScreen::Frm43, {1, 2, 7}},
                          Book{BookScreen::Frm64, {0}}, Book{BookScreen::Frm7, {1, 5, 12}},
                          Book{BookScreen::Frm63, {0}}, Book{BookScreen::Frm410, {0, 3, 11}}}) {
        for (const int number : b.numbers) {
            const auto names = ovta::bookInfo(b.screen, number).files;
            std::vector<std::string> parts;
            for (const std::string* f : {&names.tree, &names.titles, &names.groupMap, &names.articleNumbers,
                                         &names.articleIndex, &names.articleTitles, &names.bodies,
                                         &names.segments, &names.locators, &names.articleTexts})
                parts.push_back(file(*f));
            parts.push_back(moves);
            w.seed("books", static_cast<std::uint8_t>(static_cast<int>(b.screen) + 6 * number), parts);
        }
    }
}

void questionSeeds(Writer& w)
{
    w.seed("question", 0, {std::string("\x81\x82 \x83") + "\xFA 12 / 3\xFB \xFA" + "7/0\xFB"});
    w.seed("question", 0, {file("data\\kenor46").substr(0, 600)});
    for (const int number : {1, 4}) {
        const auto names = ovta::bookInfo(ovta::BookScreen::Frm43, number).files;
        const std::string moves = n8(0) + n8(1) + std::string{1} + n8(0) + std::string{4, 1, 5, 1, 5, 0, 5} +
                                  std::string{4, 2, 6, 1, 1} + n8(2) + std::string{4, 0};
        w.seed("question", 1, {file(names.groupMap), file(names.articleNumbers), file(names.articleIndex),
                               file(names.articleTitles), file(names.locators), file(names.articleTexts),
                               moves});
    }
}

void listSeeds(Writer& w)
{
    const std::string opens = std::string{1, 0, 1, 3, 2, 2, 1} + n8(0) + n8(9) + std::string{2, 5};
    w.seed("lists", 0, {file("data\\1kenor012"), file("data\\kenor013"), file("data\\1kenor014"),
                        file("data\\kenor015"), opens});
    for (int category = 1; category <= 3; ++category)
        w.seed("lists", 1, {file("data\\1kenor319"), file("data\\kenor320"), file("data\\kenor321"),
                            n8(category) + opens});
    for (int item = 1; item <= 6; item += 5)
        w.seed("lists", 2, {file("data\\1kenor316"), file("data\\kenor317"), file("data\\kenor318"),
                            n8(item) + opens});
    w.seed("lists", 3, {file("data\\1kenor41"), file("data\\kenor42"), file("data\\kenor43"), opens});
    std::string moves;
    for (int i = 0; i < 12; ++i)
        moves += std::string{'\0'} + n16(40 + 37 * i) + n16(30 + 21 * i) + std::string{1, 1, 3, 2, 4};
    w.seed("lists", 4, {file("data\\1kenor67"), file("data\\1kenor68"), moves});
}

void shapingSeeds(Writer& w)
{
    // Custom letter tables (the demo ones, length-prefixed), then keys typed.
    auto chunk = [](const std::string& s) {
        const std::string t = s.substr(0, 255 * 8 + 255);
        return std::string{static_cast<char>(t.size() / 8 > 255 ? 255 : t.size() / 8),
                           static_cast<char>(t.size() % 8)} +
               t;
    };
    const std::string typing = std::string{0, 'a', 0, 'l', 1, 'm', 3, 0, 0, 'y', 4, 1, 2, 5, 3, 'b', 'k', 3, 1};
    const std::string custom = chunk(file("data\\13.txt")) + chunk(file("data\\1c2.txt")) + chunk(file("data\\1c1.txt")) + typing;
    // The shaping target reads its input as a stream of its own: one part.
    w.seed("shaping", 0, {custom});
    w.seed("shaping", 1, {typing + typing});
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: fuzz_seeds <seed directory>\n";
        return 2;
    }
    try {
        for (auto& f : ovta::demo::buildDemoText())
            gFiles[f.name] = std::move(f.bytes);
        Writer w{std::filesystem::path(argv[1])};
        storeSeeds(w);
        readingSeeds(w);
        bookSeeds(w);
        questionSeeds(w);
        listSeeds(w);
        shapingSeeds(w);
    } catch (const std::exception& e) {
        std::cerr << "fuzz_seeds: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
