#include "tools/content/content_walk.h"

#include <climits>
#include <cstdio>
#include <exception>
#include <optional>
#include <stdexcept>
#include <set>
#include <utility>

#include "tools/content/content_files.h"
#include "books/article_list.h"
#include "books/article_range.h"
#include "books/book_files.h"
#include "books/book_tables.h"
#include "books/book_tree.h"
#include "books/book_viewer_settings.h"
#include "lists/block_list.h"
#include "lists/entry_list.h"
#include "lists/frm05.h"
#include "lists/two_pane_titles.h"
#include "reading/article.h"
#include "reading/reader_files.h"
#include "reading/reader_settings.h"
#include "reading/topic_index.h"
#include "reading/topic_list.h"
#include "reading/topic_list_settings.h"
#include "store/data_file.h"
#include "store/errors.h"
#include "store/index_list.h"

namespace ovta::tools {
namespace {

std::string numbered(int n, int width = 4)
{
    char buf[24];
    std::snprintf(buf, sizeof buf, "%0*d", width, n);
    return buf;
}

Block heading(int level, std::string glyphs)
{
    return Block::make(Block::Kind::Heading, level, std::move(glyphs));
}

Block text(std::string glyphs)
{
    return Block::make(Block::Kind::Paragraphs, 0, std::move(glyphs));
}

Block item(std::string glyphs)
{
    return Block::make(Block::Kind::Item, 0, std::move(glyphs));
}

std::string bookName(BookScreen screen)
{
    return screenSettings(screen).name;
}

} // namespace

ContentWalk::ContentWalk(const ContentDir& dir) : dir_(dir) {}

void ContentWalk::fault(std::string file, std::int64_t record, const std::exception& e)
{
    faults_.push_back({std::move(file), record, e.what()});
}

void ContentWalk::run(const std::function<void(Document&&)>& sink)
{
    try {
        titles_.load(dir_);
    } catch (const Error& e) {
        fault("data\\kenor002", -1, e);
    }
    articles(sink);
    books(sink);
    lists(sink);
}

void ContentWalk::articles(const std::function<void(Document&&)>& sink)
{
    for (const TopicSource& source : kTopicSources) {
        const TopicListSettings& list = topicListSettings(source.kind);
        const ReaderSettings& reader = readerSettings(list.reader);
        const char* topicsName = source.topics ? source.topics : list.topicFile;
        const char* titlesName = source.titles ? source.titles : list.titlesFile;

        TopicList topics;
        try {
            const IndexList index = IndexList::load(dir_, topicsName);
            const DataFile titleData = DataFile::open(dir_, titlesName);
            // Every group at once: the screen lists one group at a time, so
            // its capacity bounds a group, not the file.
            TopicListRules rules = list.rules;
            rules.byGroup = false;
            rules.capacity = INT_MAX;
            topics.scan(index, titleData, rules);
        } catch (const Error& e) {
            fault(topicsName, -1, e);
        }
        if (topics.count() == 0)
            continue;

        const ReaderFileNames names = list.openerFilesFor ? list.readerFiles : reader.files;
        ReaderFiles files;
        try {
            loadReaderFiles(files, dir_, names);
        } catch (const Error& e) {
            fault("", -1, e);
        }
        for (int i = 0; i < topics.count(); ++i) {
            const std::int64_t record =
                static_cast<std::int64_t>(topics.number(i)) + list.itemOffset + reader.recordOffset;
            if (articlesDone_.insert({names.locators, record}).second)
                sink(articleDocument(reader, names, files, record, topics.title(i)));
        }
    }
}

std::string ContentWalk::articlePath(const char* reader, std::int64_t record)
{
    return std::string("articles/") + reader + "/" + numbered(static_cast<int>(record + 1)) + ".md";
}

Document ContentWalk::articleDocument(const ReaderSettings& reader, const ReaderFileNames& names,
                                      const ReaderFiles& files, std::int64_t record,
                                      const std::string& title)
{
    Document doc;
    doc.path = articlePath(reader.kind, record);
    doc.section = std::string("articles/") + reader.kind;
    doc.title = title;
    doc.blocks.push_back(heading(1, doc.title));
    Article article(reader.article);
    try {
        article.setText(readArticle(files.locators, files.articles, record));
        article.setSections(readSections(files.sections, record, reader.article.pairs));
    } catch (const Error& e) {
        fault(names.locators, record, e);
    }
    bool anySection = false;
    for (const ChooserEntry& entry : article.chooser()) {
        if (entry.shows == 0)
            continue;
        const std::string part = article.cut(entry.shows);
        if (part.empty())
            continue;
        anySection = true;
        doc.blocks.push_back(heading(2, titles_.entry(entry.caption)));
        doc.blocks.push_back(text(part));
    }
    if (!anySection && !article.text().empty())
        doc.blocks.push_back(text(article.text()));
    return doc;
}

void ContentWalk::books(const std::function<void(Document&&)>& sink)
{
    std::set<std::string> done;
    for (BookScreen screen : kBookScreens) {
        const ScreenSettings& settings = screenSettings(screen);
        for (int number = 0; number <= kLastBookNumber; ++number) {
            const BookInfo info = bookInfo(screen, number);
            if (!info.exists || info.files.tree.empty() || !done.insert(info.files.tree).second)
                continue;
            Document doc;
            doc.path = "books/" + bookName(screen) + "-" + numbered(number, 2) + ".md";
            doc.section = "books";
            for (std::size_t k = 0; k < info.titleEntries.size(); ++k) {
                if (k > 0)
                    doc.title += kBookTitleSeparator;
                doc.title += titles_.entry(info.titleEntries[k]);
            }
            doc.blocks.push_back(heading(1, doc.title));

            BookFiles files;
            try {
                files.open(dir_, info.files);
            } catch (const Error& e) {
                fault("", -1, e);
            }
            BookTree tree(settings.layout, settings.capacity.nodes, settings.capacity.level1,
                          settings.name);
            try {
                tree.load(files.tree, files.titles);
            } catch (const Error& e) {
                fault(info.files.tree, tree.count(), e);
            }
            // The reader a heading's article rows open, with files of its own.
            const char* opens = bookViewerSettings(settings.name).opens;
            const ReaderSettings* reader = nullptr;
            std::optional<ReaderFiles> readerFiles;
            if (opens && settings.content == NodeContent::Articles) {
                try {
                    reader = &readerSettings(opens);
                } catch (const std::logic_error&) {
                    reader = nullptr; // a screen other than an article reader
                }
                if (reader && reader->openerFilesFor)
                    reader = nullptr;
                if (reader) {
                    readerFiles.emplace();
                    try {
                        loadReaderFiles(*readerFiles, dir_, reader->files);
                    } catch (const Error& e) {
                        fault("", -1, e);
                    }
                }
            }
            const ArticleListFiles listFiles{files.groupMap, files.articleNumbers,
                                             files.articleIndex, files.articleTitles};
            const ArticleListRules listRules{settings.articleRecordSize,
                                             settings.articleTitleField,
                                             info.base,
                                             settings.articleRangeNeedsBothEnds,
                                             settings.capacity.articles,
                                             settings.name};
            for (int n = 1; n <= tree.count(); ++n) {
                doc.blocks.push_back(heading(tree.level(n) + 1, tree.title(n)));
                const NodeFields& f = tree.fields(n);
                try {
                    switch (settings.content) {
                    case NodeContent::Articles: {
                        ArticleList list;
                        try {
                            list.build(listFiles, listRules, f.group);
                        } catch (const Error& e) {
                            fault(info.files.tree, n - 1, e);
                        }
                        for (const ArticleEntry& a : list.entries()) {
                            Block entry = item(a.title);
                            if (reader) {
                                // A row hands the reader the article's record.
                                const std::int64_t record = a.index + reader->recordOffset;
                                entry.link = "../" + articlePath(reader->kind, record);
                                if (articlesDone_.insert({reader->files.locators, record}).second)
                                    sink(articleDocument(*reader, reader->files, *readerFiles,
                                                         record, a.title));
                            }
                            doc.blocks.push_back(std::move(entry));
                        }
                        break;
                    }
                    case NodeContent::Body:
                    case NodeContent::BodyAndPassages:
                        doc.blocks.push_back(text(files.bodies.read(f.bodyOffset, f.bodyLength)));
                        break;
                    case NodeContent::ArticleRange: {
                        ArticleRange range;
                        const std::string what = "node " + std::to_string(n) + " of index list " +
                                                 info.files.tree;
                        try {
                            range.set(f.firstArticle, f.lastArticle, what);
                        } catch (const Error& e) {
                            fault(info.files.tree, n - 1, e);
                        }
                        for (int i = 1; i <= range.count(); ++i) {
                            const std::int64_t record = range.article(i) + info.base - 1;
                            if (i > 1)
                                doc.blocks.push_back(Block::make(Block::Kind::Rule, 0, {}));
                            doc.blocks.push_back(
                                text(readArticle(files.locators, files.articleTexts, record)));
                        }
                        break;
                    }
                    }
                } catch (const Error& e) {
                    fault(info.files.tree, n - 1, e);
                }
            }
            sink(std::move(doc));
        }
    }
}

void ContentWalk::lists(const std::function<void(Document&&)>& sink)
{
    // The numbered two-pane readers, one document per set.
    for (int item = 1; const Frm05Set* set = frm05Set(item); ++item) {
        Document doc;
        doc.path = "lists/frm05-" + numbered(item, 2) + ".md";
        doc.section = "lists";
        doc.title = titles_.entry(set->heading);
        doc.blocks.push_back(heading(1, doc.title));
        TwoPaneTitles titles("frm05");
        IndexList textIndex;
        DataFile texts;
        try {
            const IndexList titleIndex = IndexList::load(dir_, set->titleIndex);
            const DataFile titleData = DataFile::open(dir_, set->titles);
            textIndex = IndexList::load(dir_, set->textIndex);
            texts = DataFile::open(dir_, set->texts);
            titles.scanNumbered(titleIndex, titleData);
        } catch (const Error& e) {
            fault(set->titleIndex, titles.count(), e);
        }
        for (int i = 0; i < titles.count(); ++i) {
            doc.blocks.push_back(heading(2, titles.title(i)));
            try {
                doc.blocks.push_back(text(numberedText(textIndex, texts, titles.record(i))));
            } catch (const Error& e) {
                fault(set->textIndex, titles.record(i) - 1, e);
            }
        }
        sink(std::move(doc));
    }

    // The topic index: its two levels of headings, and under each level-2
    // heading its articles, which open the reader of the grouped topics.
    {
        Document doc;
        doc.path = "lists/frm04.md";
        doc.section = "lists";
        doc.title = "frm04";
        doc.plainTitle = true;
        doc.blocks.push_back(Block::make(Block::Kind::Heading, 1, doc.title, true));
        TopicIndex index;
        try {
            index.loadArticles(dir_);
            index.loadSpans(dir_);
            index.loadHeadings(dir_);
        } catch (const Error& e) {
            fault("", -1, e);
        }
        const TopicListSettings& opener = topicListSettings("frm02");
        const ReaderSettings& reader = readerSettings(opener.reader);
        ReaderFiles files;
        try {
            loadReaderFiles(files, dir_, opener.readerFiles);
        } catch (const Error& e) {
            fault("", -1, e);
        }
        const std::vector<std::string> level1 = index.level1();
        for (int h = 0; h < static_cast<int>(level1.size()); ++h) {
            doc.blocks.push_back(heading(2, level1[static_cast<std::size_t>(h)]));
            try {
                index.chooseLevel1(h);
            } catch (const Error& e) {
                fault("", h, e);
            }
            const std::vector<std::string> level2 = index.level2();
            const std::vector<int> numbers = index.level2Numbers();
            for (std::size_t k = 0; k < level2.size() && k < numbers.size(); ++k) {
                doc.blocks.push_back(heading(3, level2[k]));
                try {
                    index.chooseLevel2(numbers[k]);
                } catch (const Error& e) {
                    fault("", numbers[k], e);
                }
                for (const IndexTitle& t : index.titles()) {
                    // A row hands the reader the article number.
                    const std::int64_t record =
                        static_cast<std::int64_t>(t.article) + reader.recordOffset;
                    Block entry = item(t.title);
                    entry.link = "../" + articlePath(reader.kind, record);
                    if (articlesDone_.insert({opener.readerFiles.locators, record}).second)
                        sink(articleDocument(reader, opener.readerFiles, files, record, t.title));
                    doc.blocks.push_back(std::move(entry));
                }
            }
        }
        sink(std::move(doc));
    }

    // The two-pane reader with categories: one document, a part per category.
    {
        Document doc;
        doc.path = "lists/frm34.md";
        doc.section = "lists";
        doc.title = "frm34";
        doc.plainTitle = true;
        IndexList index;
        DataFile titleData;
        DataFile texts;
        try {
            index = IndexList::load(dir_, kCategoryIndex);
            titleData = DataFile::open(dir_, kCategoryTitles);
            texts = DataFile::open(dir_, kCategoryTexts);
        } catch (const Error& e) {
            fault(kCategoryIndex, -1, e);
        }
        doc.blocks.push_back(Block::make(Block::Kind::Heading, 1, doc.title, true));
        for (int category = 1; category <= kCategories; ++category) {
            TwoPaneTitles titles("frm34");
            try {
                titles.scanCategory(index, titleData, category);
            } catch (const Error& e) {
                fault(kCategoryIndex, -1, e);
            }
            if (titles.count() == 0)
                continue;
            doc.blocks.push_back(Block::make(Block::Kind::Heading, 2, "Category " + std::to_string(category), true));
            for (int i = 0; i < titles.count(); ++i) {
                doc.blocks.push_back(heading(3, titles.title(i)));
                try {
                    doc.blocks.push_back(text(categoryText(index, texts, titles.record(i))));
                } catch (const Error& e) {
                    fault(kCategoryIndex, titles.record(i), e);
                }
            }
        }
        sink(std::move(doc));
    }

    // The block list: one document, a part per block.
    {
        Document doc;
        doc.path = "lists/frm33.md";
        doc.section = "lists";
        doc.title = "frm33";
        doc.plainTitle = true;
        IndexList index;
        DataFile titleData;
        DataFile texts;
        try {
            index = IndexList::load(dir_, kBlockIndex);
            titleData = DataFile::open(dir_, kBlockTitles);
            texts = DataFile::open(dir_, kBlockTexts);
        } catch (const Error& e) {
            fault(kBlockIndex, -1, e);
        }
        doc.blocks.push_back(Block::make(Block::Kind::Heading, 1, doc.title, true));
        for (int item = 1; const auto block = recordBlock(item); ++item) {
            BlockList list;
            try {
                list.scan(index, titleData, *block);
            } catch (const Error& e) {
                fault(kBlockIndex, -1, e);
            }
            doc.blocks.push_back(heading(2, titles_.entry(block->heading)));
            for (int i = 0; i < list.count(); ++i) {
                doc.blocks.push_back(heading(3, list.title(i)));
                try {
                    doc.blocks.push_back(text(blockText(index, texts, list.record(i))));
                } catch (const Error& e) {
                    fault(kBlockIndex, list.record(i), e);
                }
            }
        }
        sink(std::move(doc));
    }

    // The entry list.
    {
        Document doc;
        doc.path = "lists/frm47.md";
        doc.section = "lists";
        doc.title = "frm47";
        doc.plainTitle = true;
        doc.blocks.push_back(Block::make(Block::Kind::Heading, 1, doc.title, true));
        EntryList entries;
        IndexList index;
        DataFile texts;
        try {
            index = IndexList::load(dir_, kEntryIndex);
            const DataFile titleData = DataFile::open(dir_, kEntryTitles);
            texts = DataFile::open(dir_, kEntryTexts);
            entries.scan(index, titleData);
        } catch (const Error& e) {
            fault(kEntryIndex, entries.count(), e);
        }
        for (int i = 0; i < entries.count(); ++i) {
            // The list marks a title ending in ")" with a blank and a glyph
            // of its own; the mark is no part of the title.
            std::string_view title = entries.title(i);
            if (title.ends_with(" \xF6"))
                title.remove_suffix(2);
            doc.blocks.push_back(heading(2, std::string(title)));
            try {
                doc.blocks.push_back(text(entryText(index, texts, i)));
            } catch (const Error& e) {
                fault(kEntryIndex, i, e);
            }
        }
        sink(std::move(doc));
    }
}

} // namespace ovta::tools
