// A book screen opened at one of its headings (a hit of the search inside
// the texts): the strip, the path, the pane and the keyboard's frame are
// where the user's own clicks down to that heading leave them.
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "books/book_screen_support.h"
#include "books/frm43.h"
#include "books/frm63.h"
#include "search/fulltext_dialog.h"
#include "search/fulltext_documents.h"
#include "search/glyph_decoder.h"
#include "shell/text_catalogue.h"

namespace ovta {
namespace {

using test::Heading;

// Eight level-1 headings; the seventh opens seven level-2 headings, whose
// last holds a path three levels deeper. So both the first column and the
// second need scrolling, and the strip must slide to reach column 5.
std::vector<Heading> deepBook()
{
    const std::vector<int> levels = {1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 3, 4, 5, 1};
    std::vector<Heading> headings;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const int node = static_cast<int>(i) + 1;
        Heading h(levels[i], "n" + std::to_string(node), node, node,
                  "body of n" + std::to_string(node) + "\r\n");
        headings.push_back(h);
    }
    return headings;
}

constexpr int kLevelOneTarget = 6; // row 5 of column 1 once scrolled by one
constexpr int kDeepTarget = 17;    // column 5
const std::vector<int> kDeepPath = {7, 14, 15, 16, 17};

struct BookKind {
    const char* name;
    BookScreen screen;
    int number; // the book: CurrentBook, or CurrentItem for frm410
    std::function<BookViewer*(test::BookScreenTest&)> open;
};

class BookHeadingTest : public test::BookScreenTest {
protected:
    void SetUp() override
    {
        BookScreenTest::SetUp();
        knowMedia("data1\\kenor01.wav", 60000);
    }

    void writeBook(const BookKind& kind)
    {
        std::vector<Heading> headings = deepBook();
        if (screenSettings(kind.screen).content == NodeContent::Articles)
            for (Heading& h : headings)
                h.x = 0; // no group: the pane's rows stay empty
        const BookFileNames f = book(kind.screen, kind.number, headings);
        if (kind.screen == BookScreen::Frm410) {
            std::vector<std::string> articles;
            for (int n = 1; n <= 18; ++n)
                articles.push_back("body of n" + std::to_string(n));
            test::writeArticleTexts(content, articles);
        }
        if (kind.screen == BookScreen::Frm63) {
            std::string segments;
            for (long long s = 0; s <= 60; ++s)
                segments += test::fields({1000 * s});
            content.write(f.segments, segments);
        }
    }

    static std::vector<BookKind> kinds()
    {
        return {
            {"frm7", BookScreen::Frm7, 3,
             [](test::BookScreenTest& t) -> BookViewer* {
                 return static_cast<BookHeadingTest&>(t).open<Tfrm7>(3);
             }},
            {"frm63", BookScreen::Frm63, 0,
             [](test::BookScreenTest& t) -> BookViewer* {
                 return static_cast<BookHeadingTest&>(t).open<Tfrm63>();
             }},
            {"frm14", BookScreen::Frm14, 0,
             [](test::BookScreenTest& t) -> BookViewer* {
                 return static_cast<BookHeadingTest&>(t).open<Tfrm14>();
             }},
            {"frm64", BookScreen::Frm64, 0,
             [](test::BookScreenTest& t) -> BookViewer* {
                 return static_cast<BookHeadingTest&>(t).open<Tfrm64>();
             }},
            {"frm43", BookScreen::Frm43, 2,
             [](test::BookScreenTest& t) -> BookViewer* {
                 return static_cast<BookHeadingTest&>(t).open<Tfrm43>(2);
             }},
            {"frm410", BookScreen::Frm410, 0,
             [](test::BookScreenTest& t) -> BookViewer* {
                 return static_cast<BookHeadingTest&>(t).open<Tfrm410>(0, 0);
             }},
        };
    }

    // Everything the user sees of the strip and the pane, as one text.
    static std::string seen(BookViewer* v)
    {
        std::ostringstream out;
        const BookColumns& columns = v->model().columns();
        for (int k = 1; k <= BookColumns::Columns; ++k) {
            const BookColumn& c = columns.column(k);
            out << "column " << k << " top=" << c.top << " open=" << c.openRow
                << " selected=" << c.selectedRow << " rows:";
            for (int r = 1; r <= BookColumn::Rows; ++r)
                if (c.row(r).shown)
                    out << ' ' << c.row(r).node << '/' << static_cast<int>(c.row(r).icon);
            out << '\n';
        }
        out << "strip at " << v->strip().Panel2->x() << '\n';
        out << "path " << v->lcap->text() << '\n';
        out << "pane " << (v->lmtn ? v->lmtn->text() : std::string()) << '\n';
        if (v->co1) {
            out << "chooser " << v->co1->text() << ':';
            for (int i = 0; i < v->co1->count(); ++i)
                out << ' ' << v->co1->item(i);
            out << '\n';
        }
        out << "CurrentItem " << globals().CurrentItem << " CurrentBook " << globals().CurrentBook
            << '\n';
        return out.str();
    }

    // The user's way down: the column's down arrow until the heading shows,
    // the strip's arrow until its column is in view, then a click on it.
    static void clickDown(BookViewer* v, const std::vector<int>& path)
    {
        for (std::size_t i = 0; i < path.size(); ++i) {
            const int k = static_cast<int>(i) + 1;
            const BookColumn& c = v->model().columns().column(k);
            for (int guard = 0; c.rowOf(path[i]) == 0 && guard < 20; ++guard)
                QTest::mouseClick(v->strip().downArrows[i], Qt::LeftButton);
            while (v->model().columns().stripPosition() < k)
                QTest::mouseClick(v->m2, Qt::LeftButton);
            ASSERT_NE(c.rowOf(path[i]), 0) << "node " << path[i];
            clickRow(v, k, c.rowOf(path[i]));
        }
    }

    static void close(BookViewer* v)
    {
        v->release();
        settle();
    }
};

TEST_F(BookHeadingTest, EachBookScreenOpensAtAHeadingAsClicksDownToItWould)
{
    const struct {
        int node;
        std::vector<int> path;
    } targets[] = {{kLevelOneTarget, {kLevelOneTarget}}, {kDeepTarget, kDeepPath}};
    for (const BookKind& kind : kinds()) {
        writeBook(kind);
        for (const auto& target : targets) {
            SCOPED_TRACE(std::string(kind.name) + " node " + std::to_string(target.node));
            BookViewer* clicked = kind.open(*this);
            clickDown(clicked, target.path);
            const std::string byClicks = seen(clicked);
            close(clicked);

            BookViewer* v = kind.open(*this);
            v->openHeading(target.node);
            EXPECT_EQ(seen(v), byClicks);

            const int k = static_cast<int>(target.path.size());
            const BookColumn& c = v->model().columns().column(k);
            ASSERT_NE(c.selectedRow, 0);
            EXPECT_EQ(c.row(c.selectedRow).node, target.node);
            if (v->lmtn) {
                EXPECT_EQ(v->lmtn->text(), "body of n" + std::to_string(target.node));
            }
            EXPECT_EQ(v->cursor().column(), k) << "the keyboard goes on from the heading";
            EXPECT_EQ(v->cursor().row(), c.selectedRow);
            EXPECT_TRUE(v->keyFrame->isVisible());
            EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
            close(v);
        }
    }
}

TEST_F(BookHeadingTest, AHeadingTheColumnsNeverShowOpensAsFarAsItsShownAncestors)
{
    // Node 3 skips level 2: no click reaches it; its level-1 heading opens.
    book(BookScreen::Frm7, 1, {{1, "n1", 0, 0, "one\r\n"}, {1, "n2", 0, 0, "two\r\n"},
                               {3, "n3", 0, 0, "three\r\n"}});
    Tfrm7* v = open<Tfrm7>(1);
    v->openHeading(3);
    EXPECT_EQ(v->model().columns().column(1).selectedRow, 2);
    EXPECT_EQ(v->lmtn->text(), "two");
    EXPECT_EQ(v->cursor().column(), 1);
    EXPECT_EQ(v->cursor().row(), 2);
    // And one outside the book leaves the screen as it opened.
    Tfrm7* fresh = (close(v), open<Tfrm7>(1));
    const std::string before = seen(fresh);
    fresh->openHeading(99);
    EXPECT_EQ(seen(fresh), before);
    EXPECT_FALSE(fresh->cursor().placed());
    EXPECT_TRUE(errors->shown().empty());
    close(fresh);
}

// From the catalogue to the screen: a hit in a deep heading's text names
// that heading, and opening its place opens the book there.
TEST_F(BookHeadingTest, AHitInAHeadingsTextOpensTheBookAtThatHeading)
{
    for (const BookKind& kind : kinds()) {
        SCOPED_TRACE(kind.name);
        if (screenSettings(kind.screen).content == NodeContent::Articles)
            continue; // their headings only list articles: no text to find
        writeBook(kind);
        std::optional<TextEntry> entry;
        forEachText(
            ContentDir::current(),
            [&](TextEntry e) {
                if (e.place.kind == kind.name)
                    entry = std::move(e);
                return !entry;
            },
            [](const std::string&) {});
        ASSERT_TRUE(entry);
        const Document document = documentOf(*entry);
        FullTextIndex index;
        index.add(document);
        const std::vector<FullTextHit> hits =
            index.find(decodeGlyphTextUtf8(std::string("body of n17")), 10);
        ASSERT_EQ(hits.size(), 1u);
        const TextPlace place = document.placeAt(hits[0].offset);
        EXPECT_EQ(place.node, kDeepTarget);

        openTextPlace(place, ContentDir::current());
        auto* v = dynamic_cast<BookViewer*>(top());
        ASSERT_TRUE(v);
        EXPECT_STREQ(v->kind(), kind.name);
        const BookColumn& c = v->model().columns().column(5);
        ASSERT_NE(c.selectedRow, 0);
        EXPECT_EQ(c.row(c.selectedRow).node, kDeepTarget);
        EXPECT_EQ(v->lmtn->text(), "body of n17");
        EXPECT_TRUE(errors->shown().empty()) << errors->shown().front();
        close(v);
    }
}

} // namespace
} // namespace ovta
