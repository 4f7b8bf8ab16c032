// The question screen's data: a question is an entry of the question-list
// book's article list. Its record in the article index gives three answer
// categories, each a text in the article title data file that may end in a
// list of references into the article texts of the books. The screen shows
// the question's title wrapped into lines, the chosen category's text, and
// one reference at a time with its heading.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "books/article_list.h"
#include "books/line_store.h"
#include "books/text_width.h"
#include "store/data_file.h"
#include "store/index_list.h"
#include "store/title_table.h"

namespace ovta {

struct Reference {
    std::int32_t article = 0;
    std::int32_t book = 0;

    bool operator==(const Reference&) const = default;
};

struct CategoryText {
    static constexpr int MaxReferences = 10;

    bool nothing = true; // empty, or holding a "'": the category has nothing
    std::string shown;   // the text before the reference list
    std::vector<Reference> references;
};

// Splits a category text into the part shown and its references, each
// written 0xFA, article number, "/", book number, 0xFB, with blanks around
// the numbers ignored (what stands between two references is passed over).
// Fills `into` as it reads: a reference not so written is a ConversionError
// quoting it, an eleventh a RangeError; both keep what was read before.
// `what` names the text in the errors.
void parseCategoryText(std::string_view text, const std::string& what, CategoryText& into);

// The locator record of a reference: its book's base + article - 1.
// RangeError for a book outside 0..13.
std::int64_t referenceRecord(const Reference& r);

// TitleTable entries of a reference heading: the book's kind, then the
// category. RangeError for a book outside 0..13 or a category outside 1..3.
int referenceBookEntry(int book);
int categoryEntry(int category);

struct QuestionFiles {
    const IndexList& articleIndex; // 64-character records
    const DataFile& categoryTexts; // the article title data file
    const IndexList& locators;     // article locators of the books
    const DataFile& articleTexts;
};

class Question {
public:
    static constexpr int TitleWidth = 361; // the title's lines, in the measuring label's font
    static constexpr int QuestionBoxWidth = 537;
    static constexpr int CategoryBoxWidth = 676;
    static constexpr int ReferenceBoxWidth = 651;

    // `list` is the question-list screen's article list, `files` its files;
    // both and `titles` must outlive the question.
    Question(const ArticleList& list, QuestionFiles files, const TitleTable& titles);

    // `title` measures in the title label's font, `box` in the boxes' font.
    void setMeasure(TextWidth title, TextWidth box);

    // Shows entry `row` of the list: its title in lines, its categories
    // read and parsed, and the chosen category (if any) chosen again.
    // RangeError for a row outside the list. A category that fails to parse
    // keeps what it read; the others are still read, then the first error
    // is thrown.
    void show(int row);
    int row() const { return row_; }

    // The question's title lines, right part first (the question box).
    const LineStore& questionBox() const { return questionBox_; }
    const std::vector<std::string>& titleLines() const { return titleLines_; }
    // Category t (1..3) as read; an empty category outside 1..3.
    const CategoryText& category(int t) const;

    // The chosen category (0 before the first choice) and reference cursor (1-based).
    int chosen() const { return chosen_; }
    int cursor() const { return cursor_; }
    void choose(int t);

    // The reference arrows: back and on, and whether each is shown.
    bool previousReference();
    bool nextReference();
    bool previousArrowShown() const { return previousArrow_; }
    bool nextArrowShown() const { return nextArrow_; }

    // Previous and next entry of the list; false at either end.
    bool previousQuestion();
    bool nextQuestion();

    // The chosen category's text, and the heading with the referenced
    // article below it, as their boxes wrap them.
    const LineStore& categoryBox() const { return categoryBox_; }
    const LineStore& referenceBox() const { return referenceBox_; }

private:
    void clearChoice();
    void showReference();

    const ArticleList& list_;
    QuestionFiles files_;
    const TitleTable& titles_;
    TextWidth titleWidth_;
    int row_ = 0;
    std::vector<std::string> titleLines_;
    std::array<CategoryText, 3> categories_{};
    int chosen_ = 0;
    int cursor_ = 0;
    bool previousArrow_ = false;
    bool nextArrow_ = false;
    LineStore questionBox_, categoryBox_, referenceBox_;
};

} // namespace ovta
