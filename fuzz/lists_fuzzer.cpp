// libFuzzer target for the list screens' and the page viewer's models.
// Variant byte % 5:
//   0  numbered two-pane reader: parts 0..3 title index, titles, text index,
//      texts; part 4 the texts opened and the pane windows shown
//   1  categorised two-pane reader: parts 0..2 index, titles, texts; part 3
//      the category listed and the texts opened
//   2  the block list: parts 0..2 index, titles, texts; part 3 the item
//      (block) and the texts opened; the title parts before the last colon
//   3  the 893-entry list: parts 0..2 index, titles, texts; part 3 the
//      entries opened
//   4  the page viewer: parts 0..1 the zone list and the first-page list,
//      part 2 the clicks on the index picture and the page moves
// Typed errors are refusals; a crash, a list past its capacity or a page
// stepped out of the work is a finding.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz_input.h"
#include "lists/block_list.h"
#include "lists/entry_list.h"
#include "lists/two_pane_titles.h"
#include "pages/chapter_index.h"
#include "pages/page_position.h"
#include "store/errors.h"

namespace {

using namespace ovta;

template <typename F>
void guarded(F&& f)
{
    try {
        f();
    } catch (const ConversionError&) {
    } catch (const RangeError&) {
    }
}

// The list's own indexes, mostly, and any number now and then.
int pick(fuzz::Ops& ops, int count)
{
    if (count > 0 && (ops.byte() & 3) != 0)
        return ops.byte() % count;
    return static_cast<int>(ops.number());
}

void showPane(std::string_view text, fuzz::Ops& ops)
{
    const std::vector<std::string> lines = textLines(text);
    const std::string caption =
        paneCaption(lines, static_cast<int>(ops.number()), static_cast<int>(ops.number()), " ");
    FUZZ_CHECK(caption.size() <= text.size() + 4 * (lines.size() + 1) + 1);
}

void fuzzNumbered(const fuzz::Input& in)
{
    auto& scratch = fuzz::ScratchDir::get();
    scratch.putPart(in, 1, "data\\kenor013");
    scratch.putPart(in, 3, "data\\kenor015");
    const IndexList titleIndex = IndexList::fromBytes("data\\1kenor012", in.part(0));
    const IndexList textIndex = IndexList::fromBytes("data\\1kenor014", in.part(2));
    const DataFile titles = DataFile::open(scratch.dir(), "data\\kenor013");
    const DataFile texts = DataFile::open(scratch.dir(), "data\\kenor015");
    TwoPaneTitles list("frm05");
    guarded([&] { list.scanNumbered(titleIndex, titles); });
    FUZZ_CHECK(list.count() <= TwoPaneTitles::kCapacity);
    fuzz::Ops ops(in.part(4));
    int rounds = 0;
    do {
        const int i = pick(ops, list.count());
        const int number = i >= 0 && i < list.count() ? list.record(i) : i;
        guarded([&] { showPane(numberedText(textIndex, texts, number), ops); });
    } while (!ops.empty() && ++rounds < 32);
}

void fuzzCategorised(const fuzz::Input& in)
{
    auto& scratch = fuzz::ScratchDir::get();
    scratch.putPart(in, 1, "data\\kenor320");
    scratch.putPart(in, 2, "data\\kenor321");
    const IndexList index = IndexList::fromBytes("data\\1kenor319", in.part(0));
    const DataFile titles = DataFile::open(scratch.dir(), "data\\kenor320");
    const DataFile texts = DataFile::open(scratch.dir(), "data\\kenor321");
    fuzz::Ops ops(in.part(3));
    TwoPaneTitles list("frm34");
    guarded([&] { list.scanCategory(index, titles, static_cast<int>(ops.number())); });
    FUZZ_CHECK(list.count() <= TwoPaneTitles::kCapacity);
    for (const auto& t : list.titles())
        FUZZ_CHECK(trimBlanks(t).size() == t.size());
    int rounds = 0;
    do {
        const int i = pick(ops, list.count());
        const int record = i >= 0 && i < list.count() ? list.record(i) : i;
        guarded([&] { showPane(categoryText(index, texts, record), ops); });
    } while (!ops.empty() && ++rounds < 32);
}

void fuzzBlocks(const fuzz::Input& in)
{
    auto& scratch = fuzz::ScratchDir::get();
    scratch.putPart(in, 1, "data\\kenor317");
    scratch.putPart(in, 2, "data\\kenor318");
    const IndexList index = IndexList::fromBytes("data\\1kenor316", in.part(0));
    const DataFile titles = DataFile::open(scratch.dir(), "data\\kenor317");
    const DataFile texts = DataFile::open(scratch.dir(), "data\\kenor318");
    fuzz::Ops ops(in.part(3));
    const int item = static_cast<int>(ops.number());
    const auto block = recordBlock(item);
    FUZZ_CHECK(block.has_value() == (item >= 1 && item <= 6));
    BlockList list;
    if (block) {
        guarded([&] { list.scan(index, titles, *block); });
        FUZZ_CHECK(list.count() <= BlockList::kCapacity);
        FUZZ_CHECK(list.count() <= block->last - block->first + 1);
    }
    // The title parts on their own, over the raw title bytes.
    const std::string part = shownTitlePart(in.part(1));
    FUZZ_CHECK(part.size() < std::max<std::size_t>(in.part(1).size(), 1));
    int rounds = 0;
    do {
        const int i = pick(ops, list.count());
        const int record = i >= 0 && i < list.count() ? list.record(i) : i;
        guarded([&] { showPane(blockText(index, texts, record), ops); });
    } while (!ops.empty() && ++rounds < 32);
}

void fuzzEntries(const fuzz::Input& in)
{
    auto& scratch = fuzz::ScratchDir::get();
    scratch.putPart(in, 1, "data\\kenor42");
    scratch.putPart(in, 2, "data\\kenor43");
    const IndexList index = IndexList::fromBytes("data\\1kenor41", in.part(0));
    const DataFile titles = DataFile::open(scratch.dir(), "data\\kenor42");
    const DataFile texts = DataFile::open(scratch.dir(), "data\\kenor43");
    EntryList list;
    guarded([&] { list.scan(index, titles); });
    FUZZ_CHECK(list.count() <= EntryList::kEntries);
    for (const auto& t : list.titles())
        FUZZ_CHECK(t.size() <= EntryList::kTitleMax + 2);
    FUZZ_CHECK(entryTitle(in.part(1)).size() <= EntryList::kTitleMax + 2);
    fuzz::Ops ops(in.part(3));
    int rounds = 0;
    do {
        const int i = pick(ops, list.count());
        guarded([&] { showPane(entryText(index, texts, i), ops); });
    } while (!ops.empty() && ++rounds < 32);
}

bool inWork(int page)
{
    return page >= PagePosition::kFirstPage && page <= PagePosition::kLastPage;
}

void fuzzPages(const fuzz::Input& in)
{
    auto& scratch = fuzz::ScratchDir::get();
    scratch.putPart(in, 0, ChapterIndex::kZoneList);
    scratch.putPart(in, 1, ChapterIndex::kFirstPageList);
    ChapterIndex chapters;
    guarded([&] {
        try {
            chapters.load(scratch.dir());
        } catch (const FileError&) {
        }
    });
    FUZZ_CHECK(chapters.count() >= 0 && chapters.count() <= ChapterIndex::kChapters);
    PagePosition at;
    at.reset();
    fuzz::Ops ops(in.part(2));
    for (int n = 0; !ops.empty() && n < 400; ++n) {
        const int pageBefore = at.page();
        switch (ops.byte() % 6) {
        case 0: {
            const int x = static_cast<int>(ops.number()), y = static_cast<int>(ops.number());
            const int chapter = chapters.zoneAt(x, y);
            FUZZ_CHECK(chapter >= 0 && chapter <= chapters.count());
            if (chapter > 0) {
                FUZZ_CHECK(chapters.zone(chapter).contains(x, y));
                at.openChapter(chapters, chapter);
            }
            break;
        }
        case 1: at.nextPage(chapters); break;
        case 2: at.previousPage(chapters); break;
        case 3: at.nextChapter(chapters); break;
        case 4: at.previousChapter(chapters); break;
        case 5: at.reset(); break;
        }
        if (inWork(pageBefore))
            FUZZ_CHECK(inWork(at.page()) || at.page() == chapters.firstPage(at.chapter()));
        FUZZ_CHECK(at.chapter() >= 1 && at.chapter() <= std::max(1, chapters.count()));
        const std::string name = pagePictureName(at.page());
        FUZZ_CHECK(name.rfind("data1\\page", 0) == 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::Input in(data, size);
    switch (in.variant() % 5) {
    case 0: fuzzNumbered(in); break;
    case 1: fuzzCategorised(in); break;
    case 2: fuzzBlocks(in); break;
    case 3: fuzzEntries(in); break;
    case 4: fuzzPages(in); break;
    }
    return 0;
}
