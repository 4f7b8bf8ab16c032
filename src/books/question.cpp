#include "books/question.h"

#include <charconv>
#include <exception>
#include <utility>

#include "books/book_tables.h"
#include "books/caption_wrap.h"
#include "reading/article.h"
#include "store/errors.h"

namespace ovta {
namespace {

constexpr char kReferenceOpen = '\xFA';
constexpr char kReferenceClose = '\xFB';
constexpr std::int64_t kQuestionRecord = 64;

const CategoryText kNoCategory;

std::string_view trimBlanks(std::string_view s)
{
    constexpr std::string_view kBlanks = " \t\r\n";
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

bool parseNumber(std::string_view s, std::int32_t& value)
{
    s = trimBlanks(s);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return !s.empty() && ec == std::errc() && end == s.data() + s.size();
}

// A book number of the references' tables, or a RangeError naming it.
std::size_t bookSlot(int book)
{
    if (book < 0 || book >= static_cast<int>(kBookBase.size()))
        throw RangeError("book number " + std::to_string(book) +
                         " of a reference is outside the 14 books 0..13");
    return static_cast<std::size_t>(book);
}

std::string joinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines) {
        if (!text.empty())
            text += "\r\n";
        text += line;
    }
    return text;
}

} // namespace

void parseCategoryText(std::string_view text, const std::string& what, CategoryText& into)
{
    into = CategoryText();
    if (text.empty() || text.find('\'') != std::string_view::npos)
        return;
    into.nothing = false;
    auto open = text.find(kReferenceOpen);
    into.shown = std::string(text.substr(0, open));
    for (int k = 1; open != std::string_view::npos; ++k) {
        const auto next = text.find(kReferenceOpen, open + 1);
        const std::string_view piece = text.substr(
            open + 1, next == std::string_view::npos ? std::string_view::npos : next - open - 1);
        if (static_cast<int>(into.references.size()) >= CategoryText::MaxReferences)
            throw RangeError("the reference table of frm42 holds " +
                             std::to_string(CategoryText::MaxReferences) + " entries; reference " +
                             std::to_string(k) + " of " + what + " is one too many");
        const auto slash = piece.find('/');
        const auto close = piece.find(kReferenceClose);
        Reference r;
        if (slash == std::string_view::npos || close == std::string_view::npos || close < slash ||
            !parseNumber(piece.substr(0, slash), r.article) ||
            !parseNumber(piece.substr(slash + 1, close - slash - 1), r.book))
            throw ConversionError("reference " + std::to_string(k) + " of " + what +
                                  " is not a number: " +
                                  quoteBytes(piece.substr(
                                      0, close == std::string_view::npos ? piece.size() : close)));
        into.references.push_back(r);
        open = next;
    }
}

std::int64_t referenceRecord(const Reference& r)
{
    return kBookBase[bookSlot(r.book)] + r.article - 1;
}

int referenceBookEntry(int book)
{
    static constexpr std::array<int, 14> kEntries = {44, 45, 48, 47, 44, 45, 48,
                                                     49, 47, 46, 47, 48, 85, 85};
    return kEntries[bookSlot(book)];
}

int categoryEntry(int category)
{
    if (category < 1 || category > 3)
        throw RangeError("answer category " + std::to_string(category) + " is outside 1..3");
    return 49 + category;
}

Question::Question(const ArticleList& list, QuestionFiles files, const TitleTable& titles)
    : list_(list), files_(files), titles_(titles)
{
}

void Question::setMeasure(TextWidth title, TextWidth box)
{
    titleWidth_ = std::move(title);
    questionBox_.setMeasure(box, QuestionBoxWidth);
    categoryBox_.setMeasure(box, CategoryBoxWidth);
    referenceBox_.setMeasure(std::move(box), ReferenceBoxWidth);
}

const CategoryText& Question::category(int t) const
{
    return t >= 1 && t <= 3 ? categories_[static_cast<std::size_t>(t - 1)] : kNoCategory;
}

void Question::show(int row)
{
    if (row < 0 || row >= list_.count())
        throw RangeError("question row " + std::to_string(row) + " is not among the " +
                         std::to_string(list_.count()) + " entries of the list of frm43");
    row_ = row;
    questionBox_.clear();
    categoryBox_.clear();
    referenceBox_.clear();
    const ArticleEntry& entry = list_.entries()[static_cast<std::size_t>(row)];
    titleLines_ = wrapQuestionTitle(entry.title, titleWidth_, TitleWidth);
    questionBox_.setText(joinLines(titleLines_));

    std::exception_ptr failed;
    auto keepFirst = [&failed] {
        if (!failed)
            failed = std::current_exception();
    };
    for (int t = 1; t <= 3; ++t) {
        CategoryText& c = categories_[static_cast<std::size_t>(t - 1)];
        c = CategoryText();
        try {
            const std::int32_t offset =
                files_.articleIndex.field(entry.index, kQuestionRecord, 2 * t + 1);
            const std::int32_t length =
                files_.articleIndex.field(entry.index, kQuestionRecord, 2 * t + 2);
            const std::string what = "category " + std::to_string(t) + " of record " +
                                     std::to_string(entry.index) + " of index list " +
                                     files_.articleIndex.name();
            parseCategoryText(files_.categoryTexts.read(offset, length), what, c);
        } catch (const Error&) {
            keepFirst();
        }
    }
    if (chosen_ != 0) {
        try {
            choose(chosen_);
        } catch (const Error&) {
            keepFirst();
        }
    }
    if (failed)
        std::rethrow_exception(failed);
}

void Question::clearChoice()
{
    categoryBox_.clear();
    referenceBox_.clear();
    previousArrow_ = false;
    nextArrow_ = false;
}

void Question::choose(int t)
{
    if (t < 1 || t > 3)
        return;
    chosen_ = t;
    const CategoryText& c = category(t);
    if (c.nothing) {
        clearChoice();
        return;
    }
    categoryBox_.setText(c.shown);
    cursor_ = 1;
    previousArrow_ = false;
    nextArrow_ = c.references.size() >= 2;
    showReference();
}

void Question::showReference()
{
    referenceBox_.clear();
    const auto& refs = category(chosen_).references;
    // A text without references names no reference at the cursor: none shows.
    if (cursor_ < 1 || cursor_ > static_cast<int>(refs.size()))
        return;
    const Reference& r = refs[static_cast<std::size_t>(cursor_ - 1)];
    const std::string heading =
        titles_.entry(referenceBookEntry(r.book)) + " " + titles_.entry(categoryEntry(chosen_));
    const std::string text = readArticle(files_.locators, files_.articleTexts, referenceRecord(r));
    referenceBox_.setText(heading + "\r\n" + text);
}

bool Question::nextReference()
{
    const int count = static_cast<int>(category(chosen_).references.size());
    if (!nextArrow_ || cursor_ >= count)
        return false;
    ++cursor_;
    previousArrow_ = true;
    nextArrow_ = cursor_ < count;
    showReference();
    return true;
}

bool Question::previousReference()
{
    if (!previousArrow_ || cursor_ <= 1)
        return false;
    --cursor_;
    previousArrow_ = cursor_ > 1;
    nextArrow_ = true;
    showReference();
    return true;
}

bool Question::previousQuestion()
{
    if (row_ < 1)
        return false;
    show(row_ - 1);
    return true;
}

bool Question::nextQuestion()
{
    if (row_ >= list_.count() - 1)
        return false;
    show(row_ + 1);
    return true;
}

} // namespace ovta
