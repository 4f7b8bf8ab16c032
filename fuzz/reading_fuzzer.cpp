// libFuzzer target for the reading screens' models. Variant byte % 4:
//   0  topic list: part 0 the topic file, part 1 the titles data file, part 2
//      the operations (record layout, group, number offset, capacity)
//   1  article: parts 0..2 the locator list, the section list and the article
//      data file, part 3 the operations (record, pairs, sub-sections)
//   2  topic index: parts 0..7 its eight files, part 8 the headings chosen
//   3  the alphabetical list's scroll thumb and letter index, from part 0
// Typed errors are the readers' refusals; a crash, a table past its
// capacity or an entry that names nothing is a finding.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz_input.h"
#include "reading/article.h"
#include "reading/letter_index.h"
#include "reading/list_thumb.h"
#include "reading/topic_index.h"
#include "reading/topic_list.h"
#include "store/errors.h"
#include "store/text_lines.h"

namespace {

using namespace ovta;

void fuzzTopicList(const fuzz::Input& in)
{
    auto& scratch = fuzz::ScratchDir::get();
    scratch.putPart(in, 1, "data\\kenor02");
    const IndexList topics = IndexList::fromBytes("data\\1kenor01", in.part(0));
    const DataFile titles = DataFile::open(scratch.dir(), "data\\kenor02");
    fuzz::Ops ops(in.part(2));
    TopicList list;
    int rounds = 0;
    do {
        TopicListRules rules;
        rules.record = static_cast<TopicRecord>(ops.small(3));
        rules.byGroup = ops.byte() & 1;
        rules.numberOffset = static_cast<int>(ops.number());
        rules.capacity = static_cast<int>(ops.number() & 0x7ff);
        rules.screen = "frm02";
        const int group = static_cast<int>(ops.number());
        if (ops.byte() & 1)
            list.clear();
        const int before = list.count();
        try {
            list.scan(topics, titles, rules, group);
        } catch (const ConversionError&) {
        } catch (const RangeError&) {
        }
        FUZZ_CHECK(list.count() >= before);
        FUZZ_CHECK(list.titles().size() == list.numbers().size());
        FUZZ_CHECK(list.count() - before <= topics.recordCount(recordSize(rules.record)));
        FUZZ_CHECK(list.count() <= std::max(before, rules.capacity));
    } while (!ops.empty() && ++rounds < 6);
}

void fuzzArticle(const fuzz::Input& in)
{
    auto& scratch = fuzz::ScratchDir::get();
    scratch.putPart(in, 2, "data\\kenor09");
    const IndexList locators = IndexList::fromBytes("data\\1kenor010", in.part(0));
    const IndexList sections = IndexList::fromBytes("data\\1kenor011", in.part(1));
    const DataFile texts = DataFile::open(scratch.dir(), "data\\kenor09");
    fuzz::Ops ops(in.part(3));
    int rounds = 0;
    do {
        const std::int64_t record = ops.number();
        ArticleRules rules;
        rules.pairs = ops.small(9);
        rules.wholeCaption = 17;
        for (int k = 0; k < rules.pairs; ++k)
            rules.captions.push_back(18 + k);
        rules.needsNonEmptyCut = ops.byte() & 1;
        Article article(rules);
        try {
            article.setText(readArticle(locators, texts, record));
        } catch (const ConversionError&) {
        } catch (const RangeError&) {
        }
        try {
            const auto pairs = readSections(sections, record, rules.pairs);
            FUZZ_CHECK(pairs.size() <= static_cast<std::size_t>(rules.pairs));
            article.setSections(pairs);
        } catch (const ConversionError&) {
        } catch (const RangeError&) {
        }
        const std::string& text = article.text();
        for (int k = -1; k <= rules.pairs + 1; ++k) {
            const std::string cut = article.cut(k);
            FUZZ_CHECK(cut.size() <= text.size());
            if (!cut.empty())
                FUZZ_CHECK(text.find(cut) != std::string::npos);
        }
        const std::string whole = article.whole();
        FUZZ_CHECK(whole.size() <= (text.size() + 2) * (article.sections().size() + 1));
        const auto chooser = article.chooser();
        FUZZ_CHECK(!chooser.empty() && chooser.front().shows == 0);
        for (const auto& entry : chooser)
            FUZZ_CHECK(entry.shows >= 0 && entry.shows <= rules.pairs);
        const std::size_t lines = lineCount(whole);
        if (lines > 0)
            FUZZ_CHECK(lineAt(whole, lines - 1).size() <= kMaxLineLength);
    } while (!ops.empty() && ++rounds < 16);
}

void fuzzTopicIndex(const fuzz::Input& in)
{
    static constexpr const char* kFiles[] = {"data\\1kenor016", "data\\kenor017", "data\\1kenor06",
                                             "data\\1kenor05",  "data\\1kenor04", "data\\1kenor03",
                                             "data\\kenor07",   "data\\kenor08"};
    auto& scratch = fuzz::ScratchDir::get();
    for (std::size_t i = 0; i < std::size(kFiles); ++i)
        scratch.putPart(in, i, kFiles[i]);
    TopicIndex index;
    for (auto load : {&TopicIndex::loadArticles, &TopicIndex::loadSpans, &TopicIndex::loadHeadings}) {
        try {
            (index.*load)(scratch.dir());
        } catch (const FileError&) {
        }
    }
    fuzz::Ops ops(in.part(std::size(kFiles)));
    int rounds = 0;
    do {
        try {
            if (ops.byte() & 1) {
                index.chooseLevel1(static_cast<int>(ops.number()));
            } else {
                // Mostly a heading the level-2 list offers, as a click would.
                const auto& numbers = index.level2Numbers();
                const int e = numbers.empty() || (ops.byte() & 3) == 0
                                  ? static_cast<int>(ops.number())
                                  : numbers[ops.byte() % numbers.size()];
                index.chooseLevel2(e);
            }
        } catch (const ConversionError&) {
        } catch (const RangeError&) {
        }
        // A heading that fails to read leaves its number behind it.
        FUZZ_CHECK(index.level2Numbers().size() - index.level2().size() <= 1);
        FUZZ_CHECK(index.level2().size() <= TopicIndex::Level2Capacity);
        FUZZ_CHECK(index.titles().size() <= TopicIndex::TitleCapacity);
        for (const auto& t : index.titles())
            iconResource(t.icon);
    } while (!ops.empty() && ++rounds < 32);
}

void fuzzThumb(const fuzz::Input& in)
{
    fuzz::Ops ops(in.part(0));
    int rounds = 0;
    do {
        const int count = static_cast<int>(ops.number() & 0x7fffffff);
        const int book = ops.small(5);
        const ListThumb thumb(count, book);
        FUZZ_CHECK(thumb.entriesPerPixel() >= 1);
        const int last = std::max(0, count - 1);
        for (int i = 0; i < 4; ++i) {
            const int top = static_cast<int>(ops.number());
            const int y = thumb.thumbTop(std::clamp(top, 0, last), last);
            FUZZ_CHECK(y >= ListThumb::Y0 && y <= ListThumb::Y1);
            const ListThumb::Drag drag = thumb.drag(static_cast<int>(ops.number()), last);
            FUZZ_CHECK(drag.thumbTop == -1 || (drag.thumbTop >= ListThumb::Y0 && drag.thumbTop <= ListThumb::Y1));
            FUZZ_CHECK(drag.top >= 0 && drag.top <= std::max(last + 1, 1));
            FUZZ_CHECK(drag.step == 1 || drag.step == -1);
        }
        const int entry = letterEntry(ops.small(4), static_cast<int>(ops.number()));
        FUZZ_CHECK(entry >= 0);
    } while (!ops.empty() && ++rounds < 64);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::Input in(data, size);
    switch (in.variant() % 4) {
    case 0: fuzzTopicList(in); break;
    case 1: fuzzArticle(in); break;
    case 2: fuzzTopicIndex(in); break;
    case 3: fuzzThumb(in); break;
    }
    return 0;
}
