// Full-text search: building the index over about 10 MB of article text,
// and one query over it, as the user feels them at first use and at each
// press of search. The text is our own words in random order, with short
// vowels here and there as real articles have them.
//   fulltext_bench [MEGABYTES]   default 10
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "search/fulltext_documents.h"
#include "search/fulltext_index.h"
#include "shell/globals.h"
#include "store/content_dir.h"

using Clock = std::chrono::steady_clock;

namespace {

const char* const kWords[] = {"مسجد",    "المدينة", "تاريخ",  "الفقه", "الصلاة", "كتاب",  "الحج",
                              "العلماء", "مدرسة",   "السيرة", "قلعة",  "الآبار", "النبي", "الخلافة",
                              "الأندلس", "بئر",     "جبل",    "وادي",  "كَتَبَ",    "قَالَ",   "أحمد",
                              "سنة",     "٦٢٤",     "في",     "من",    "إلى",    "على",   "الذي",
                              "كان",     "بعد",     "قبل",    "حتى"};

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

} // namespace

// The whole demo content, collected through the catalogue as the dialog
// does at first use.
void demoContent()
{
    ovta::ContentDir::setCurrent(OVTA_DEMO_DIR);
    ovta::globals().titleTable.load(ovta::ContentDir::current());
    const auto start = Clock::now();
    ovta::FullTextIndex index;
    std::size_t bytes = 0;
    ovta::collectFullTextDocuments(ovta::ContentDir::current(), [&](ovta::Document d) {
        bytes += d.text.size();
        index.add(std::move(d));
        return true;
    });
    const auto built = Clock::now() - start;
    std::vector<double> times;
    std::size_t hits = 0;
    for (int run = 0; run < 20; ++run) {
        const auto t0 = Clock::now();
        hits = index.find("خيبر", 500).size();
        times.push_back(ms(Clock::now() - t0));
    }
    std::sort(times.begin(), times.end());
    std::printf("demo content: %zu documents, %.2f MB of UTF-8 text, collected and indexed in "
                "%.1f ms; a query (%zu hits): median %.3f ms, worst %.3f ms\n",
                index.size(), bytes / (1024.0 * 1024.0), ms(built), hits,
                times[times.size() / 2], times.back());
}

int main(int argc, char** argv)
{
    demoContent();
    const double megabytes = argc > 1 ? std::max(0.1, std::atof(argv[1])) : 10.0;
    const auto wanted = static_cast<std::size_t>(megabytes * 1024 * 1024);
    std::mt19937 rng(7);
    std::vector<std::string> articles;
    std::size_t total = 0;
    while (total < wanted) {
        std::string text;
        const std::size_t length = 2000 + rng() % 12000;
        while (text.size() < length) {
            text += kWords[rng() % std::size(kWords)];
            text += (rng() % 12 == 0) ? "\r\n" : " ";
        }
        total += text.size();
        articles.push_back(std::move(text));
    }
    // A rare word, in a few articles only.
    for (std::size_t i = 0; i < articles.size(); i += articles.size() / 5 + 1)
        articles[i] += " خيبر";

    const auto start = Clock::now();
    ovta::FullTextIndex index;
    for (std::size_t i = 0; i < articles.size(); ++i)
        index.add({"article " + std::to_string(i), std::move(articles[i]), {}, {}});
    const auto built = Clock::now() - start;
    std::printf("index: %zu articles, %.1f MB of UTF-8 text, %zu characters folded, built in "
                "%.1f ms\n",
                index.size(), total / (1024.0 * 1024.0), index.foldedLength(), ms(built));

    struct Query {
        const char* label;
        const char* text;
    };
    const Query queries[] = {{"rare word", "خيبر"},
                             {"absent word", "القسطنطينية"},
                             {"common phrase", "قال أحمد"},
                             {"one common letter pair", "في"}};
    std::printf("%-24s %8s %12s %12s   (goal: under 50 ms)\n", "query (500 hits at most)", "hits",
                "median ms", "worst ms");
    for (const Query& q : queries) {
        std::vector<double> times;
        std::size_t hits = 0;
        for (int run = 0; run < 20; ++run) {
            const auto t0 = Clock::now();
            hits = index.find(q.text, 500).size();
            times.push_back(ms(Clock::now() - t0));
        }
        std::sort(times.begin(), times.end());
        std::printf("%-24s %8zu %12.2f %12.2f\n", q.label, hits, times[times.size() / 2],
                    times.back());
    }
    return 0;
}
