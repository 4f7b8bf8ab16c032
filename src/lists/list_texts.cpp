// The list screens' texts, for the catalogue of every text: each list (a
// set of the two-pane readers, a category, a block, the long entry list) is
// one entry, a section per title with the text it opens.
#include "lists/block_list.h"
#include "lists/entry_list.h"
#include "lists/frm05.h"
#include "lists/list_files.h"
#include "lists/two_pane_titles.h"
#include "shell/globals.h"
#include "shell/text_catalogue.h"
#include "store/errors.h"

namespace ovta {
namespace {

using Fault = std::function<void(const std::string&)>;

// One list as an entry: `titles` in order, each followed by the text
// `textOf` reads for it; a title whose text cannot be read keeps an empty one.
template <typename TextOf>
TextEntry listEntry(const std::string& source, std::string title,
                    const std::vector<std::string>& titles, TextOf textOf)
{
    TextEntry entry;
    entry.kind = TextEntry::Kind::List;
    entry.source = source;
    entry.title = std::move(title);
    for (int i = 0; i < static_cast<int>(titles.size()); ++i) {
        std::string text;
        try {
            text = textOf(i);
        } catch (const Error&) {
        }
        entry.sections.push_back(
            {.level = 1, .heading = titles[static_cast<std::size_t>(i)], .text = std::move(text)});
    }
    return entry;
}

TextEntry frm05Entry(const ContentDir& dir, int item, const Fault& fault)
{
    const Frm05Set* set = frm05Set(item);
    IndexList titleIndex;
    IndexList textIndex;
    DataFile titles;
    DataFile texts;
    TwoPaneTitles list("frm05");
    try {
        titleIndex = IndexList::load(dir, set->titleIndex);
        titles = DataFile::open(dir, set->titles);
        textIndex = IndexList::load(dir, set->textIndex);
        texts = DataFile::open(dir, set->texts);
        list.scanNumbered(titleIndex, titles);
    } catch (const Error& e) {
        fault(e.what());
    }
    TextEntry entry = listEntry("frm05 sets", globals().titleTable.entry(set->heading),
                                list.titles(), [&](int i) {
                                    return numberedText(textIndex, texts, list.record(i));
                                });
    entry.path = "lists/frm05-" + zeroPadded(item, 2);
    entry.place.kind = "frm05";
    entry.place.currentItem = item;
    return entry;
}

std::vector<TextEntry> fixedListEntries(const ContentDir& dir, const Fault& fault)
{
    std::vector<TextEntry> entries;
    IndexList index;
    DataFile titles;
    DataFile texts;

    try {
        index = IndexList::load(dir, kFrm34Files.index);
        titles = DataFile::open(dir, kFrm34Files.titles);
        texts = DataFile::open(dir, kFrm34Files.texts);
    } catch (const Error& e) {
        fault(e.what());
    }
    for (int category = 1; category <= 7; ++category) {
        TwoPaneTitles list("frm34");
        try {
            list.scanCategory(index, titles, category);
        } catch (const Error& e) {
            fault(e.what());
        }
        entries.push_back(listEntry("frm34 categories", {}, list.titles(), [&](int i) {
            return categoryText(index, texts, list.record(i));
        }));
        entries.back().path = "lists/frm34";
        entries.back().label = "Category " + std::to_string(category);
        entries.back().place.kind = "frm34";
    }

    try {
        index = IndexList::load(dir, kFrm33Files.index);
        titles = DataFile::open(dir, kFrm33Files.titles);
        texts = DataFile::open(dir, kFrm33Files.texts);
    } catch (const Error& e) {
        fault(e.what());
    }
    for (int item = 1; item <= 6; ++item) {
        const auto block = recordBlock(item);
        BlockList list;
        try {
            list.scan(index, titles, *block);
        } catch (const Error& e) {
            fault(e.what());
        }
        entries.push_back(listEntry("frm33 blocks", globals().titleTable.entry(block->heading),
                                    list.titles(), [&](int i) {
                                        return blockText(index, texts, list.record(i));
                                    }));
        entries.back().path = "lists/frm33";
        entries.back().place.kind = "frm33";
        entries.back().place.currentItem = item;
    }

    EntryList list;
    try {
        index = IndexList::load(dir, kFrm47Files.index);
        titles = DataFile::open(dir, kFrm47Files.titles);
        texts = DataFile::open(dir, kFrm47Files.texts);
        list.scan(index, titles);
    } catch (const Error& e) {
        fault(e.what());
    }
    // The list marks titles ending in ")" with a glyph of its own; the
    // catalogue keeps the titles as the content writes them.
    std::vector<std::string> plain = list.titles();
    for (std::string& title : plain)
        if (title.size() >= 2 && title.compare(title.size() - 2, 2, " \xF6") == 0)
            title.resize(title.size() - 2);
    entries.push_back(listEntry("frm47 entries", {}, plain,
                                [&](int i) { return entryText(index, texts, i); }));
    entries.back().path = "lists/frm47";
    entries.back().place.kind = "frm47";
    return entries;
}

void listTexts(const ContentDir& dir, const std::function<bool(TextEntry)>& visit,
               const Fault& fault)
{
    std::vector<TextEntry> entries;
    for (int item = 1; item <= 2; ++item)
        entries.push_back(frm05Entry(dir, item, fault));
    for (TextEntry& entry : fixedListEntries(dir, fault))
        entries.push_back(std::move(entry));
    for (TextEntry& entry : entries) {
        if (entry.sections.empty())
            continue;
        if (!visit(std::move(entry)))
            return;
    }
}

const bool registered = registerTextSource("lists", listTexts);

} // namespace
} // namespace ovta
