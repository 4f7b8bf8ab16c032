// One keystroke of shaping in the search box, and one search over 10,000
// titles, as the user feels them after each key and each press of search.
// The letter tables are the demo content's (OVTA_DEMO_DIR), the titles our
// own phrases encoded as the content holds them.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "store/content_dir.h"
#include "search/glyph_encoder.h"
#include "search/letter_tables.h"
#include "search/shaping_engine.h"
#include "search/title_search.h"

using Clock = std::chrono::steady_clock;

namespace {

const char* const kWords[] = {"مسجد",  "المدينة", "تاريخ",   "الفقه",  "الصلاة", "كتاب",
                              "الحج",  "العلماء", "مدرسة",   "السيرة", "قلعة",   "الآبار",
                              "النبي", "الخلافة", "الأندلس", "بئر",    "جبل",    "وادي"};

std::vector<std::string> titles(std::size_t count)
{
    std::mt19937 rng(42);
    std::vector<std::string> out;
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::string phrase;
        for (int w = 0, n = 2 + static_cast<int>(rng() % 4); w < n; ++w) {
            if (w)
                phrase += ' ';
            phrase += kWords[rng() % std::size(kWords)];
        }
        out.push_back(ovta::encodeGlyphText(phrase));
    }
    return out;
}

template <class F> double nanosecondsPer(int repeats, F&& f)
{
    const auto start = Clock::now();
    for (int i = 0; i < repeats; ++i)
        f(i);
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / repeats;
}

} // namespace

int main()
{
    const std::filesystem::path demo = OVTA_DEMO_DIR;
    const ovta::LetterTables tables = ovta::LetterTables::load(ovta::ContentDir(demo));
    const std::vector<std::string> list = titles(10000);

    // A keystroke into a box that already holds a phrase of 24 letters, the
    // caret in the middle: the neighbours are re-shaped and the lam-alef
    // pass scans the text.
    ovta::ShapingEngine engine(tables);
    for (char key : std::string("hgltrm hgwghm hgsdvm hgk"))
        engine.character(static_cast<unsigned char>(key));
    const std::string phrase = engine.text();
    const std::string keys = "fghtsdlk";
    volatile std::size_t sink = 0;
    const double keystroke = nanosecondsPer(200000, [&](int i) {
        engine.setText(phrase, phrase.size() / 2);
        engine.character(
            static_cast<unsigned char>(keys[static_cast<std::size_t>(i) % keys.size()]));
        sink = sink + engine.text().size();
    });

    // A search that finds nothing looks at every title.
    ovta::ShapingEngine box(tables);
    for (char key : std::string("ljvwv"))
        box.character(static_cast<unsigned char>(key));
    const std::string_view needle = ovta::trimSearchText(box.text());
    const double missUs =
        nanosecondsPer(200,
                       [&](int) { sink = sink + ovta::findTitle(list, needle, 0).value_or(0); }) /
        1000.0;
    // A typical hit from the first title.
    const std::string_view word = ovta::trimSearchText(ovta::encodeGlyphText("قلعة"));
    const double hitUs =
        nanosecondsPer(
            2000, [&](int i) { sink = sink + ovta::findTitle(list, word, i % 50).value_or(0); }) /
        1000.0;

    std::printf("search box, demo letter tables, %zu titles\n", list.size());
    std::printf("  one keystroke of shaping (24-glyph text): %8.0f ns\n", keystroke);
    std::printf("  one search, no hit (scans all titles):    %8.1f us\n", missUs);
    std::printf("  one search, first hit near the top:       %8.2f us\n", hitUs);
    std::printf("  keystroke + full search:                  %8.1f us\n",
                keystroke / 1000.0 + missUs);
    return sink == 0xFFFFFFFF ? 1 : 0;
}
