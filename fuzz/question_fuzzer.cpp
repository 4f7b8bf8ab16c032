// libFuzzer target for the question screen's model. Variant byte % 2:
//   0  part 0 is one category text, split into its shown part and its
//      reference list (0xFA article / book 0xFB ...)
//   1  parts 0..5 are the question-list book's group map, article numbers,
//      article index, article titles, locators and article texts; part 6
//      the moves: a group listed, questions shown, categories chosen,
//      references and questions stepped through
// Typed errors are refusals; a crash, a reference list past its capacity
// or a cursor that names no reference is a finding.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "books/article_list.h"
#include "books/book_tables.h"
#include "books/question.h"
#include "fuzz_input.h"
#include "store/errors.h"

namespace {

using namespace ovta;

int glyphWidth(std::string_view text)
{
    int w = 0;
    for (const char c : text)
        w += 2 + (static_cast<unsigned char>(c) % 11);
    return w;
}

void checkCategory(const CategoryText& c)
{
    FUZZ_CHECK(c.references.size() <= CategoryText::MaxReferences);
    for (const Reference& r : c.references) {
        try {
            referenceRecord(r);
            referenceBookEntry(r.book);
            FUZZ_CHECK(r.book >= 0 && r.book < static_cast<int>(kBookBase.size()));
        } catch (const RangeError&) {
            FUZZ_CHECK(r.book < 0 || r.book >= static_cast<int>(kBookBase.size()));
        }
    }
}

void fuzzCategoryText(const fuzz::Input& in)
{
    CategoryText c;
    try {
        parseCategoryText(in.part(0), "category 1 of question 1", c);
    } catch (const ConversionError&) {
    } catch (const RangeError&) {
    }
    FUZZ_CHECK(c.shown.size() <= in.part(0).size());
    checkCategory(c);
}

void checkQuestion(const Question& q)
{
    FUZZ_CHECK(q.chosen() >= 0 && q.chosen() <= 3);
    for (int t = 0; t <= 4; ++t)
        checkCategory(q.category(t));
    // A category with nothing in it hides the arrows and leaves the cursor
    // where it was; otherwise the cursor names a reference, or 1 for none.
    if (q.chosen() > 0 && !q.category(q.chosen()).nothing) {
        const auto refs = q.category(q.chosen()).references.size();
        FUZZ_CHECK(q.cursor() >= 1 && static_cast<std::size_t>(q.cursor()) <= std::max<std::size_t>(refs, 1));
    }
    if (q.previousArrowShown() || q.nextArrowShown()) {
        const auto refs = q.category(q.chosen()).references.size();
        FUZZ_CHECK(q.cursor() >= 1 && static_cast<std::size_t>(q.cursor()) <= refs);
        FUZZ_CHECK(!q.nextArrowShown() || static_cast<std::size_t>(q.cursor()) < refs);
    }
}

void fuzzQuestion(const fuzz::Input& in)
{
    static const TitleTable titles;
    auto& scratch = fuzz::ScratchDir::get();
    scratch.putPart(in, 3, "data\\kenor46");
    scratch.putPart(in, 5, "data\\kenor45");
    const IndexList groupMap = IndexList::fromBytes("data\\1kenor111", in.part(0));
    const IndexList numbers = IndexList::fromBytes("data\\1kenor110", in.part(1));
    const IndexList index = IndexList::fromBytes("data\\1kenor47", in.part(2));
    const DataFile categoryTexts = DataFile::open(scratch.dir(), "data\\kenor46");
    const IndexList locators = IndexList::fromBytes("data\\1kenor44", in.part(4));
    const DataFile articleTexts = DataFile::open(scratch.dir(), "data\\kenor45");

    const ScreenSettings& s = screenSettings(BookScreen::Frm43);
    ArticleListRules rules{s.articleRecordSize, s.articleTitleField, 0,
                           s.articleRangeNeedsBothEnds, s.capacity.articles, s.name};
    ArticleList list;
    Question q(list, QuestionFiles{index, categoryTexts, locators, articleTexts}, titles);
    q.setMeasure(glyphWidth, glyphWidth);
    fuzz::Ops ops(in.part(6));
    // The list is built once, as the list screen does before it opens the
    // question screen over itself.
    try {
        rules.base = ops.small(4) == 0 ? ops.number() : 0;
        list.build({groupMap, numbers, index, categoryTexts}, rules,
                   static_cast<std::int32_t>(ops.number()));
    } catch (const ConversionError&) {
    } catch (const RangeError&) {
    }
    FUZZ_CHECK(list.count() <= rules.capacity);
    for (int n = 0; !ops.empty() && n < 200; ++n) {
        try {
            switch (ops.byte() % 8) {
            case 0:
            case 1:
            case 2: q.show(static_cast<int>(ops.number())); break;
            case 3: q.choose(static_cast<int>(ops.number())); break;
            case 4: q.choose(1 + ops.small(3)); break;
            case 5: (ops.byte() & 1) ? q.previousReference() : q.nextReference(); break;
            case 6: (ops.byte() & 1) ? q.previousQuestion() : q.nextQuestion(); break;
            case 7: q.choose(q.chosen()); break;
            }
        } catch (const ConversionError&) {
        } catch (const RangeError&) {
        }
        checkQuestion(q);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::Input in(data, size);
    if (in.variant() % 2 == 0)
        fuzzCategoryText(in);
    else
        fuzzQuestion(in);
    return 0;
}
