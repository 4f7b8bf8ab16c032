// The articles of the readers, for the catalogue of every text: each
// reader's article files are read record by record, the whole text as the
// reader shows it first, a section for each of its sub-sections (under its
// chooser caption where the chooser lists it), titled as the topic lists
// that open the reader list it (an article no list names is left untitled).
// And the topic index: its two levels of headings and,
// under each second-level heading, the rows of the articles it opens.
#include <map>
#include <set>

#include "reading/article.h"
#include "reading/reader_files.h"
#include "reading/reader_settings.h"
#include "reading/topic_index.h"
#include "reading/topic_list.h"
#include "reading/topic_list_settings.h"
#include "shell/globals.h"
#include "shell/text_catalogue.h"
#include "store/errors.h"

namespace ovta {
namespace {

struct TitleSource {
    const char* list;   // the topic list kind
    const char* topics; // its topic and titles files (the list's choice by group or set)
    const char* titles;
    int group; // for lists that keep only one group's records, 0 otherwise
};

// Every list a reader is opened from, with every set of files it may read.
constexpr TitleSource kTitleSources[] = {
    {"frm02", "data\\1kenor01", "data\\kenor02", 1}, {"frm02", "data\\1kenor01", "data\\kenor02", 2},
    {"frm02", "data\\1kenor01", "data\\kenor02", 3}, {"frm02", "data\\1kenor01", "data\\kenor02", 4},
    {"frm02", "data\\1kenor01", "data\\kenor02", 5}, {"frm02", "data\\1kenor01", "data\\kenor02", 6},
    {"frm02", "data\\1kenor022", "data\\kenor023", 7},
    {"frm02", "data\\1kenor01", "data\\kenor02", 8},
    {"frm12", "data\\1kenor12", "data\\kenor11", 0}, {"frm12", "data\\1kenor14", "data\\kenor13", 0},
    {"frm12", "data\\1kenor16", "data\\kenor15", 0}, {"frm45", "data\\1kenor49", "data\\kenor490", 0},
    {"frm82", "data\\1kenor84", "data\\kenor88", 0},
};

constexpr const char* kReaders[] = {"frm03", "frm13", "frm46", "frm65", "frm83"};

// The files reader `kind` reads: its own, or those its openers load for it.
ReaderFileNames filesOf(const ReaderSettings& reader)
{
    if (!reader.openerFilesFor)
        return reader.files;
    for (const TitleSource& source : kTitleSources) {
        const TopicListSettings& list = topicListSettings(source.list);
        if (list.openerFilesFor && std::string(list.openerFilesFor) == reader.kind)
            return list.readerFiles;
    }
    return {};
}

// CurrentItem -> title, from every list that opens `reader`.
std::map<int, std::string> titlesFor(const ContentDir& dir, const ReaderSettings& reader,
                                     const std::function<void(const std::string&)>& fault)
{
    std::map<int, std::string> titles;
    for (const TitleSource& source : kTitleSources) {
        const TopicListSettings& list = topicListSettings(source.list);
        if (std::string(list.reader) != reader.kind)
            continue;
        TopicList entries;
        try {
            const IndexList topics = IndexList::load(dir, source.topics);
            const DataFile names = DataFile::open(dir, source.titles);
            entries.scan(topics, names, list.rules, source.group);
        } catch (const Error& e) {
            fault(e.what());
        }
        for (int i = 0; i < entries.count(); ++i)
            titles.emplace(entries.number(i) + list.itemOffset, entries.title(i));
    }
    return titles;
}

// The article's sections: each non-empty sub-section in pair order, headed
// by its chooser caption where the chooser lists it; the whole text in one
// section for an article without sub-sections.
std::vector<TextSection> sectionsOf(const Article& article)
{
    std::map<int, int> captions; // sub-section -> TitleTable entry
    for (const ChooserEntry& entry : article.chooser())
        if (entry.shows != 0)
            captions.emplace(entry.shows, entry.caption);
    std::vector<TextSection> sections;
    for (int k = 1; k <= static_cast<int>(article.sections().size()); ++k) {
        std::string part = article.cut(k);
        if (part.empty())
            continue;
        const auto caption = captions.find(k);
        TextSection section;
        if (caption != captions.end())
            section.heading = globals().titleTable.entry(caption->second);
        section.text = std::move(part);
        sections.push_back(std::move(section));
    }
    if (sections.empty())
        sections.push_back({.level = 1, .text = article.text()});
    return sections;
}

void readerTexts(const ContentDir& dir, const std::function<bool(TextEntry)>& visit,
                 const std::function<void(const std::string&)>& fault)
{
    std::set<std::string> done; // a set of files read by two readers is listed once
    for (const char* kind : kReaders) {
        const ReaderSettings& reader = readerSettings(kind);
        const ReaderFileNames names = filesOf(reader);
        if (!names.locators || !done.insert(names.locators).second)
            continue;
        ReaderFiles files;
        try {
            loadReaderFiles(files, dir, names);
        } catch (const Error& e) {
            fault(e.what());
            continue;
        }
        const std::map<int, std::string> titles = titlesFor(dir, reader, fault);
        const std::int64_t records = files.locators.recordCount(16);
        for (std::int64_t record = 0; record < records; ++record) {
            Article article(reader.article);
            try {
                article.setText(readArticle(files.locators, files.articles, record));
                article.setSections(
                    readSections(files.sections, record, reader.article.pairs));
            } catch (const Error&) {
                // A record whose fields are damaged reads as no article;
                // a missing section record leaves the whole text.
                if (article.text().empty())
                    continue;
            }
            const std::string text = article.sections().empty() ? article.text() : article.whole();
            if (text.find_first_not_of("\r\n ") == std::string::npos)
                continue;
            std::vector<TextSection> sections =
                article.sections().empty() ? std::vector<TextSection>{{.level = 1, .text = text}}
                                           : sectionsOf(article);
            const int item = static_cast<int>(record) - reader.recordOffset;
            TextEntry entry;
            entry.kind = TextEntry::Kind::Article;
            entry.source = std::string(kind) + " articles";
            const auto title = titles.find(item);
            if (title != titles.end())
                entry.title = title->second;
            entry.sections = std::move(sections);
            entry.path = std::string("articles/") + kind + "/" + zeroPadded(record + 1, 4);
            entry.place.kind = kind;
            entry.place.currentItem = item;
            if (reader.openerFilesFor) {
                entry.place.openerFilesFor = reader.openerFilesFor;
                entry.place.locators = names.locators;
                entry.place.sections = names.sections;
                entry.place.articles = names.articles;
            }
            if (!visit(std::move(entry)))
                return;
        }
    }
}

// The topic index as one list: its headings, and the rows under each
// second-level heading, which open the reader of the grouped topics.
void topicIndexTexts(const ContentDir& dir, const std::function<bool(TextEntry)>& visit,
                     const std::function<void(const std::string&)>& fault)
{
    TopicIndex index;
    try {
        index.loadArticles(dir);
        index.loadSpans(dir);
        index.loadHeadings(dir);
    } catch (const Error& e) {
        fault(e.what());
    }
    const char* reader = topicListSettings("frm02").reader;
    TextEntry entry;
    entry.kind = TextEntry::Kind::List;
    entry.source = "frm04 index";
    entry.path = "lists/frm04";
    entry.place.kind = "frm04";
    const std::vector<std::string> level1 = index.level1();
    for (int h = 0; h < static_cast<int>(level1.size()); ++h) {
        entry.sections.push_back({.level = 1, .heading = level1[static_cast<std::size_t>(h)]});
        try {
            index.chooseLevel1(h);
        } catch (const Error& e) {
            fault(e.what());
        }
        const std::vector<std::string> level2 = index.level2();
        const std::vector<int> numbers = index.level2Numbers();
        for (std::size_t k = 0; k < level2.size() && k < numbers.size(); ++k) {
            TextSection section{.level = 2, .heading = level2[k]};
            try {
                index.chooseLevel2(numbers[k]);
            } catch (const Error& e) {
                fault(e.what());
            }
            for (const IndexTitle& t : index.titles()) {
                TextItem item;
                item.title = t.title;
                item.place.kind = reader;
                item.place.currentItem = t.article;
                section.items.push_back(std::move(item));
            }
            entry.sections.push_back(std::move(section));
        }
    }
    if (!entry.sections.empty())
        visit(std::move(entry));
}

const bool registered = registerTextSource("reading", readerTexts) &&
                        registerTextSource("reading index", topicIndexTexts);

} // namespace
} // namespace ovta
