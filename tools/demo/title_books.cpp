#include "demo/title_books.h"

#include <map>
#include <string>

#include "demo/book_files.h"
#include "demo/quran_commentary.h"
#include "demo/reading_files.h"
#include "search/glyph_chart.h"
#include "store/errors.h"
#include "store/index_list.h"

namespace ovta::demo {

namespace {

const DemoFile& fileNamed(const std::vector<DemoFile>& files, std::string_view name)
{
    for (const auto& f : files)
        if (f.name == name)
            return f;
    throw FileError("The biographies have no file \"" + std::string(name) + "\"");
}

struct Entry {
    int article;
    std::string title; // glyph text
};

// The entries of an alphabetical topic list (article number, title offset,
// title length), titles cut from its titles file.
std::vector<Entry> topicEntries(const DemoFile& list, const DemoFile& titles)
{
    const IndexList l = IndexList::fromBytes(list.name, list.bytes);
    std::vector<Entry> out;
    for (std::int64_t r = 0; r < l.recordCount(24); ++r) {
        const auto offset = static_cast<std::size_t>(l.field(r, 24, 2));
        const auto length = static_cast<std::size_t>(l.field(r, 24, 3));
        out.push_back({l.field(r, 24, 1), titles.bytes.substr(offset, length)});
    }
    return out;
}

constexpr std::u32string_view kAlphabet = U"ابتثجحخدذرزسشصضطظعغفقكلمنهوي";
constexpr std::string_view kLetterNames[] = {
    "الألف", "الباء", "التاء", "الثاء", "الجيم", "الحاء", "الخاء", "الدال", "الذال", "الراء",
    "الزاي", "السين", "الشين", "الصاد", "الضاد", "الطاء", "الظاء", "العين", "الغين", "الفاء",
    "القاف", "الكاف", "اللام", "الميم", "النون", "الهاء", "الواو", "الياء",
};
constexpr std::string_view kParts[] = {"القسم الأول",  "القسم الثاني", "القسم الثالث",
                                       "القسم الرابع", "القسم الخامس", "القسم السادس",
                                       "القسم السابع", "القسم الثامن"};

// The letter (0-based) a glyph title starts with: its rightmost byte.
int firstLetter(const std::string& title)
{
    const GlyphChartEntry* e =
        title.empty() ? nullptr : chartEntry(static_cast<std::uint8_t>(title.back()));
    if (!e)
        return -1;
    char32_t c = e->letter;
    if (c == U'\u0622' || c == U'\u0623' || c == U'\u0625')
        c = U'\u0627';
    const auto at = kAlphabet.find(c);
    return at == std::u32string_view::npos ? -1 : static_cast<int>(at);
}

// A letter with more names than this is split into parts of kPartSize.
constexpr std::size_t kLongLetter = 40;
constexpr std::size_t kPartSize = 30;

class TreeRecords {
public:
    void add(std::string_view title, int level, int group)
    {
        const auto [at, length] = titles_.add(title);
        tree_ += fields({at, length, level, group});
    }
    const std::string& tree() const { return tree_; }
    const std::string& titles() const { return titles_.bytes(); }

private:
    std::string tree_;
    TitleData titles_;
};

} // namespace

std::vector<DemoFile> biographyBookFiles(const std::vector<DemoFile>& reading)
{
    const struct {
        std::string_view heading;
        const char* list;
        const char* titles;
    } generations[] = {
        {"الصحابة", "data\\1kenor12", "data\\kenor11"},
        {"التابعون", "data\\1kenor14", "data\\kenor13"},
        {"العلماء بعد التابعين", "data\\1kenor16", "data\\kenor15"},
    };
    TreeRecords tree;
    ArticleRuns runs;
    std::map<int, std::string> titleOf;
    for (const auto& g : generations) {
        const auto entries = topicEntries(fileNamed(reading, g.list), fileNamed(reading, g.titles));
        // A generation lists more names than one heading may hold: only its
        // letters list articles.
        tree.add(g.heading, 1, 0);
        std::map<int, std::vector<const Entry*>> letters;
        for (const auto& e : entries) {
            titleOf[e.article] = e.title;
            letters[firstLetter(e.title)].push_back(&e);
        }
        for (const auto& [letter, names] : letters) {
            const std::string heading =
                letter < 0 ? "أسماء أخرى"
                           : "حرف " + std::string(kLetterNames[static_cast<std::size_t>(letter)]);
            std::vector<int> numbers;
            for (const Entry* e : names)
                numbers.push_back(e->article);
            if (names.size() <= kLongLetter) {
                tree.add(heading, 2, runs.add(numbers));
                continue;
            }
            const int start = runs.nextPosition();
            std::vector<int> parts;
            for (std::size_t at = 0; at < numbers.size(); at += kPartSize) {
                const auto end = std::min(numbers.size(), at + kPartSize);
                parts.push_back(runs.add({numbers.begin() + static_cast<std::ptrdiff_t>(at),
                                          numbers.begin() + static_cast<std::ptrdiff_t>(end)}));
            }
            tree.add(heading, 2, runs.addSpan(start, runs.nextPosition() - 1));
            for (std::size_t p = 0; p < parts.size(); ++p)
                tree.add(kParts[p], 3, parts[p]);
        }
    }
    // The index holds every article up to the last, record a - 1 for a.
    std::string index;
    TextData titles;
    const int last = titleOf.empty() ? 0 : titleOf.rbegin()->first;
    for (int a = 1; a <= last; ++a) {
        const auto it = titleOf.find(a);
        const auto [at, length] = it == titleOf.end() ? std::pair<std::int64_t, std::int64_t>{0, 0}
                                                      : titles.addGlyphs(it->second);
        index += fields({a, at, length}); // field 1 is not read
    }
    return {
        {"data\\1kenor117", tree.tree()},     {"data\\kenor116", tree.titles()},
        {"data\\1kenor111", runs.groupMap()}, {"data\\1kenor110", runs.numberList()},
        {"data\\1kenor115", index},           {"data\\kenor114", titles.bytes()},
    };
}

std::vector<DemoFile> commentaryBookFiles()
{
    // frm64 ignores a run that starts at position 0: the list starts with a
    // placeholder that no run uses.
    ArticleRuns runs(1);
    TreeRecords tree;
    const struct {
        std::string_view heading;
        int firstSura, lastSura; // 0-based, as commentarySura counts them
    } groups[] = {
        {"فاتحة الكتاب", 0, 0},
        {"السبع الطوال", 1, 8},
        {"المئون", 9, 19},
    };
    struct Row {
        int level;
        std::string title;
        int group;
    };
    std::vector<Row> rows;
    const int allStart = runs.nextPosition();
    for (const auto& g : groups) {
        const int start = runs.nextPosition();
        std::vector<Row> below;
        for (int s = g.firstSura; s <= g.lastSura; ++s) {
            const int first = runs.add({2 * s + 1});
            const int second = runs.add({2 * s + 2});
            below.push_back({2, "سورة " + std::string(commentarySura(2 * s)),
                             runs.addSpan(runs.nextPosition() - 2, runs.nextPosition() - 1)});
            below.push_back({3, "المقطع الأول", first});
            below.push_back({3, "المقطع الثاني", second});
        }
        rows.push_back({1, std::string(g.heading), runs.addSpan(start, runs.nextPosition() - 1)});
        rows.insert(rows.end(), below.begin(), below.end());
    }
    rows.push_back({1, "جميع المقاطع", runs.addSpan(allStart, runs.nextPosition() - 1)});
    for (const auto& r : rows)
        tree.add(r.title, r.level, r.group);

    std::string index;
    TitleData titles;
    for (int n = 0; n < kCommentaryCount; ++n) {
        const auto [at, length] = titles.add(commentaryHeading(n));
        index += fields({at, length});
    }
    return {
        {"data\\1kenor614", tree.tree()},     {"data\\kenor613", tree.titles()},
        {"data\\1kenor616", runs.groupMap()}, {"data\\1kenor615", runs.numberList()},
        {"data\\1kenor621", index},           {"data\\kenor617", titles.bytes()},
    };
}

} // namespace ovta::demo
