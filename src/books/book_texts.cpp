// The tree books' own texts, for the catalogue of every text: the body of
// each heading of the body books and the recitation book, and the article
// run of each heading of the article-run books, each book one entry whose
// sections follow its headings in file order with their levels. The books
// whose headings only list articles hold no text of their own: their
// articles are the readers'.
#include <algorithm>

#include "books/article_range.h"
#include "books/book_files.h"
#include "books/book_tables.h"
#include "books/book_tree.h"
#include "reading/article.h"
#include "shell/globals.h"
#include "shell/text_catalogue.h"
#include "store/errors.h"

namespace ovta {
namespace {

struct BookShelf {
    BookScreen screen;
    const char* kind;
    int first; // book numbers first..last; the one-book screens ignore theirs
    int last;
    bool numberIsCurrentItem; // else CurrentBook
};

constexpr BookShelf kShelves[] = {
    {BookScreen::Frm7, "frm7", 1, 17, false},
    {BookScreen::Frm63, "frm63", 0, 0, false},
    {BookScreen::Frm410, "frm410", 0, 11, true},
};

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

// The text a heading shows: its body, or its articles one after another.
std::string textOf(const ScreenSettings& settings, const BookFiles& files, const BookInfo& info,
                   const NodeFields& node)
{
    if (settings.content != NodeContent::ArticleRange)
        return files.bodies.read(node.bodyOffset, node.bodyLength);
    // Article a of the book is locator record a + base - 1, as the run
    // screen reads it; a range past the screen's capacity is cut there.
    const std::int64_t last =
        std::min<std::int64_t>(node.lastArticle,
                               std::int64_t{node.firstArticle} + ArticleRange::Capacity - 1);
    std::string text;
    for (std::int64_t a = node.firstArticle; node.firstArticle > 0 && a <= last; ++a) {
        std::string article;
        try {
            article = readArticle(files.locators, files.articleTexts, a + info.base - 1);
        } catch (const Error&) {
            continue;
        }
        if (article.empty())
            continue;
        if (!text.empty())
            text += "\r\n\r\n";
        text += article;
    }
    return text;
}

void bookTexts(const ContentDir& dir, const std::function<bool(TextEntry)>& visit,
               const std::function<void(const std::string&)>& fault)
{
    for (const BookShelf& shelf : kShelves) {
        const ScreenSettings& settings = screenSettings(shelf.screen);
        for (int number = shelf.first; number <= shelf.last; ++number) {
            const BookInfo info = bookInfo(shelf.screen, number);
            if (!info.exists)
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
            entry.source = std::string(shelf.kind) + " books";
            entry.title = titleOf(info);
            for (int n = 1; n <= tree.count(); ++n) {
                std::string text;
                try {
                    text = textOf(settings, files, info, tree.fields(n));
                } catch (const Error&) {
                }
                entry.sections.push_back({tree.level(n), tree.title(n), std::move(text), n});
            }
            if (entry.sections.empty())
                continue;
            entry.place.kind = shelf.kind;
            (shelf.numberIsCurrentItem ? entry.place.currentItem : entry.place.currentBook) =
                number;
            if (!visit(std::move(entry)))
                return;
        }
    }
}

const bool registered = registerTextSource("books", bookTexts);

} // namespace
} // namespace ovta
