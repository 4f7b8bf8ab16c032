// libFuzzer target for the tree-book screens' model: one book opened from
// fuzzed files and driven as a user would. The variant byte chooses the
// screen (% 6: frm14, frm43, frm64, frm7, frm63, frm410) and the book number
// ((byte / 6) % 20, past the end of every screen's table too). Parts 0..9 are
// the book's files in the order of BookFileNames (tree, titles, group map,
// article numbers, article index, article titles, bodies, segments,
// locators, article texts), part 10 the widths of the caption and the body
// (first byte) and the user's moves: rows opened in any
// column, column and strip scrolling, the pane's moves, the article run's
// previous and next, passages picked and typed, held arrows.
//
// This covers the heading tree and its columns (children scan, row of a
// node, the path caption), the article lists with their group maps, the
// article ranges, the passages, and the word-wrapped body pane. Typed
// errors are refusals; a crash or a state that names nothing is a finding.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "books/book_model.h"
#include "fuzz_input.h"
#include "store/errors.h"

namespace {

using namespace ovta;

// A width of roughly the glyph font's: narrow and wide bytes, so that the
// wrapping takes its every branch.
int glyphWidth(std::string_view text)
{
    int w = 0;
    for (const char c : text)
        w += 3 + (static_cast<unsigned char>(c) % 9);
    return w;
}

void checkPager(const Pager& p)
{
    FUZZ_CHECK(p.count() >= 0);
    FUZZ_CHECK(p.top() >= 0);
    FUZZ_CHECK(p.top() <= std::max(0, p.last()) || p.count() == 0);
}

void checkState(const BookModel& m)
{
    const BookTree& tree = m.tree();
    const BookColumns& cols = m.columns();
    FUZZ_CHECK(cols.deepestShown() >= 0 && cols.deepestShown() <= BookColumns::Columns);
    FUZZ_CHECK(cols.stripPosition() >= BookColumns::FirstStripPosition &&
          cols.stripPosition() <= BookColumns::LastStripPosition);
    for (int k = 1; k <= BookColumns::Columns; ++k) {
        const BookColumn& c = cols.column(k);
        FUZZ_CHECK(c.openRow >= 0 && c.openRow <= BookColumn::Rows);
        FUZZ_CHECK(c.selectedRow >= 0 && c.selectedRow <= BookColumn::Rows);
        FUZZ_CHECK(c.top >= 0 && c.top <= std::max(0, c.count() - BookColumn::Rows));
        for (const auto& e : c.entries)
            FUZZ_CHECK(e.node >= 1 && e.node <= tree.count());
        for (int r = 1; r <= BookColumn::Rows; ++r) {
            const ColumnRow& row = c.row(r);
            if (row.shown) {
                FUZZ_CHECK(row.node >= 1 && row.node <= tree.count());
                FUZZ_CHECK(c.rowOf(row.node) >= 1);
            }
        }
    }
    const auto& rows = m.articleWindow().rows();
    FUZZ_CHECK(rows.size() <= ArticleWindow::Rows);
    checkPager(m.articleWindow().pager());
    checkPager(m.body().pager());
    m.body().shown();
    const ArticleRange& range = m.range();
    FUZZ_CHECK(range.count() >= 0 && range.count() <= ArticleRange::Capacity);
    FUZZ_CHECK(range.cursor() >= 0 && range.cursor() <= std::max(1, range.count()));
    FUZZ_CHECK(m.passages().items().size() == m.passages().passages().size());
    FUZZ_CHECK(m.passages().items().size() <= Passages::Capacity);
}

template <typename F>
void guarded(F&& f)
{
    try {
        f();
    } catch (const ConversionError&) {
    } catch (const RangeError&) {
    }
}

void step(BookModel& m, fuzz::Ops& ops)
{
    const int k = ops.small(12);
    switch (ops.byte() % 13) {
    case 0:
    case 1:
    case 2: m.openNode(k, ops.small(7)); break;
    case 3: m.showColumn(k); break;
    case 4: m.scrollUp(k); break;
    case 5: m.scrollDown(k); break;
    case 6: (ops.byte() & 1) ? m.moveStripRight() : m.moveStripLeft(); break;
    case 7:
        switch (ops.small(4)) {
        case 0: m.lineUp(); break;
        case 1: m.lineDown(); break;
        case 2: m.pageUp(); break;
        case 3: m.pageDown(); break;
        }
        break;
    case 8: (ops.byte() & 1) ? m.previousArticle() : m.nextArticle(); break;
    case 9: m.repeat(static_cast<int>(ops.number())); break;
    case 10: m.passages().pick(static_cast<int>(ops.number())); break;
    case 11: m.passages().setText(ops.text(12)); break;
    case 12: m.resetPane(); break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const TitleTable titles;
    const fuzz::Input in(data, size);
    const auto screen = static_cast<BookScreen>(in.variant() % 6);
    const int number = (in.variant() / 6) % 20;

    auto& scratch = fuzz::ScratchDir::get();
    const BookFileNames names = bookInfo(screen, number).files;
    const std::string* files[] = {&names.tree,           &names.titles,       &names.groupMap,
                                  &names.articleNumbers, &names.articleIndex, &names.articleTitles,
                                  &names.bodies,         &names.segments,     &names.locators,
                                  &names.articleTexts};
    for (std::size_t i = 0; i < std::size(files); ++i)
        if (!files[i]->empty())
            scratch.putPart(in, i, *files[i]);

    fuzz::Ops ops(in.part(std::size(files)));
    BookModel model(screen, number, titles);
    // The first move byte sets the widths, so that captions and bodies wrap
    // at every length.
    const int width = 40 + 2 * ops.byte();
    model.setCaptionMeasure(glyphWidth, width);
    model.setLineStoreMeasure(glyphWidth, width);
    try {
        model.open(scratch.dir());
    } catch (const FileError&) {
    }
    guarded([&] { model.start(); });
    checkState(model);
    for (int n = 0; !ops.empty() && n < 300; ++n) {
        guarded([&] { step(model, ops); });
        checkState(model);
    }
    return 0;
}
