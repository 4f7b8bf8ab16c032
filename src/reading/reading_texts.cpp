// The articles of the readers, for the catalogue of every text: each
// reader's article files are read record by record, the whole text as the
// reader shows it first, titled as the topic lists that open the reader
// list it (an article no list names takes its first line as its title).
#include <map>
#include <set>

#include "reading/article.h"
#include "reading/reader_files.h"
#include "reading/reader_settings.h"
#include "reading/topic_list.h"
#include "reading/topic_list_settings.h"
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

std::string firstLine(const std::string& text)
{
    const auto start = text.find_first_not_of("\r\n ");
    if (start == std::string::npos)
        return {};
    const auto end = text.find_first_of("\r\n", start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
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
            const int item = static_cast<int>(record) - reader.recordOffset;
            TextEntry entry;
            entry.kind = TextEntry::Kind::Article;
            entry.source = std::string(kind) + " articles";
            const auto title = titles.find(item);
            entry.title = title != titles.end() ? title->second : firstLine(text);
            entry.sections.push_back({1, {}, text});
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

const bool registered = registerTextSource("reading", readerTexts);

} // namespace
} // namespace ovta
