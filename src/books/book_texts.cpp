// The tree books, for the catalogue of every text: each book one entry whose
// sections follow its headings in file order with their levels. A heading
// holds its body (the body books and the recitation book), its run of
// articles (the article-run books, each article a piece of its own), or the
// rows of its articles, each opening the article's reader (the books whose
// headings only list articles: their texts are the readers').
#include <algorithm>
#include <set>

#include "books/article_list.h"
#include "books/article_range.h"
#include "books/book_files.h"
#include "books/book_tables.h"
#include "books/book_tree.h"
#include "books/book_viewer_settings.h"
#include "reading/article.h"
#include "shell/globals.h"
#include "shell/text_catalogue.h"
#include "store/errors.h"

namespace ovta {
namespace {

using Fault = std::function<void(const std::string&)>;

std::string titleOf(const BookInfo& info)
{
    std::string title;
    for (int entry : info.titleEntries) {
        const std::string& part = globals().titleTable.entry(entry);
        if (part.empty())
            continue;
        if (!title.empty())
            title += kBookTitleSeparator;
        title += part;
    }
    return title;
}

// The articles of a heading's run, those with text, in order.
std::vector<std::string> runOf(const BookFiles& files, const BookInfo& info,
                               const NodeFields& node)
{
    // Article a of the book is locator record a + base - 1, as the run
    // screen reads it; a range past the screen's capacity is cut there.
    const std::int64_t last =
        std::min<std::int64_t>(node.lastArticle,
                               std::int64_t{node.firstArticle} + ArticleRange::Capacity - 1);
    std::vector<std::string> run;
    for (std::int64_t a = node.firstArticle; node.firstArticle > 0 && a <= last; ++a) {
        std::string article;
        try {
            article = readArticle(files.locators, files.articleTexts, a + info.base - 1);
        } catch (const Error&) {
            continue;
        }
        if (!article.empty())
            run.push_back(std::move(article));
    }
    return run;
}

// What heading `n` holds, into its section.
void fillSection(TextSection& section, const ScreenSettings& settings,
                 const BookViewerSettings& viewer, const BookFiles& files, const BookInfo& info,
                 const NodeFields& node, const Fault& fault)
{
    switch (settings.content) {
    case NodeContent::Body:
    case NodeContent::BodyAndPassages:
        section.text = files.bodies.read(node.bodyOffset, node.bodyLength);
        break;
    case NodeContent::ArticleRange: {
        std::vector<std::string> run = runOf(files, info, node);
        if (run.empty())
            break;
        section.text = std::move(run.front());
        section.further.assign(std::make_move_iterator(run.begin() + 1),
                               std::make_move_iterator(run.end()));
        break;
    }
    case NodeContent::Articles: {
        const ArticleListFiles listFiles{files.groupMap, files.articleNumbers, files.articleIndex,
                                         files.articleTitles};
        const ArticleListRules rules{settings.articleRecordSize,
                                     settings.articleTitleField,
                                     info.base,
                                     settings.articleRangeNeedsBothEnds,
                                     settings.capacity.articles,
                                     settings.name};
        ArticleList list;
        try {
            list.build(listFiles, rules, node.group);
        } catch (const Error& e) {
            fault(e.what()); // the rows built before the fault stay
        }
        // A row opens its reader with the article as the current item.
        for (const ArticleEntry& a : list.entries()) {
            TextItem item;
            item.title = a.title;
            if (viewer.opens) {
                item.place.kind = viewer.opens;
                item.place.currentItem = static_cast<int>(a.index);
            }
            section.items.push_back(std::move(item));
        }
        break;
    }
    }
}

void bookTexts(const ContentDir& dir, const std::function<bool(TextEntry)>& visit,
               const Fault& fault)
{
    for (BookScreen screen : kAllBookScreens) {
        const ScreenSettings& settings = screenSettings(screen);
        const BookViewerSettings& viewer = bookViewerSettings(settings.name);
        std::set<std::string> trees; // the one-book screens read one whatever the number
        for (int number = 0; number <= kLastBookNumber; ++number) {
            const BookInfo info = bookInfo(screen, number);
            if (!info.exists || info.files.tree.empty() || !trees.insert(info.files.tree).second)
                continue;
            BookFiles files;
            try {
                files.open(dir, info.files);
            } catch (const Error& e) {
                fault(e.what());
            }
            BookTree tree(settings.layout, settings.capacity.nodes, settings.capacity.level1,
                          settings.name);
            try {
                tree.load(files.tree, files.titles);
            } catch (const Error& e) {
                fault(e.what()); // the headings read before the fault stay
            }
            TextEntry entry;
            entry.kind = TextEntry::Kind::Book;
            entry.source = std::string(settings.name) + " books";
            entry.title = titleOf(info);
            entry.path = std::string("books/") + settings.name + "-" + zeroPadded(number, 2);
            for (int n = 1; n <= tree.count(); ++n) {
                TextSection section{tree.level(n), tree.title(n), {}, n};
                try {
                    fillSection(section, settings, viewer, files, info, tree.fields(n), fault);
                } catch (const Error&) {
                }
                entry.sections.push_back(std::move(section));
            }
            if (entry.sections.empty())
                continue;
            entry.place.kind = settings.name;
            if (viewer.book == BookChoice::CurrentItem)
                entry.place.currentItem = number;
            else if (viewer.book == BookChoice::CurrentBook)
                entry.place.currentBook = number;
            if (!visit(std::move(entry)))
                return;
        }
    }
}

const bool registered = registerTextSource("books", bookTexts);

} // namespace
} // namespace ovta
