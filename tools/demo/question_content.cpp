#include "demo/question_content.h"

#include <map>
#include <string>

#include "demo/book_files.h"
#include "demo/fiqh_catalogue.h"
#include "demo/prose.h"
#include "demo/reading_files.h"
#include "demo/shelf_books.h"
#include "store/errors.h"

namespace ovta::demo {

namespace {

using ShelfArticles = std::vector<std::vector<std::vector<int>>>;

constexpr std::string_view kQuestions[] = {
    "ما تعريف {T} عند الفقهاء؟",
    "ما حكم {T} في الشرع؟",
    "ما الأدلة على مشروعية {T}؟",
    "ما الشروط التي ذكرها الفقهاء في {T}؟",
    "ما أقوال المذاهب في المسائل المختلف فيها من {T}، وما سبب اختلافهم فيها؟",
    "هل يختلف حكم {T} باختلاف الأحوال والأشخاص؟",
};
// Sub-headings of a topic with four questions or more: two questions each.
constexpr std::string_view kQuestionGroups[] = {"التعريف والحكم", "الأدلة والشروط",
                                                "الخلاف والتفصيل"};

// The first topic of the first book goes deeper, with questions of its own
// on its sub-headings (0: a heading without questions).
struct DeepHeading {
    int level;
    std::string_view title;
    std::string_view question;
};
constexpr DeepHeading kWaterLadder[] = {
    {2, "أقسام المياه", {}},
    {3, "الماء الطهور", "ما الماء الطهور، وما حكم التطهر به؟"},
    {4, "الماء المتغير", {}},
    {5, "المتغير بطاهر", "ما حكم الماء إذا تغير بشيء طاهر كالورق والتراب؟"},
    {6, "ما يشق صون الماء عنه", "هل يؤثر في طهورية الماء ما يشق صونه عنه كالطحلب؟"},
    {3, "الماء النجس", "متى يحكم بنجاسة الماء القليل والماء الكثير؟"},
};

constexpr std::string_view kOpenings[] = {
    "ذهب {M} في {T} إلى قول مشهور في المذهب.",
    "يرى فقهاء {M} أن هذه المسألة من مسائل باب {B} التي يكثر السؤال عنها.",
    "المعتمد عند {M} في هذه المسألة ما ذكره أصحاب المتون.",
};
constexpr std::string_view kReasons[] = {
    "واستدلوا لذلك بأدلة من الكتاب والسنة والقياس.",
    "وفرقوا بين حال الاختيار وحال الضرورة.",
    "وخالفهم غيرهم في بعض التفاصيل.",
    "وفي المذهب رواية أخرى ذكرها المتأخرون.",
    "ونبهوا على أن الحكم يتغير بتغير سببه.",
};

// Characters per line of an answer: frm42's text list is 536 pixels.
constexpr int kAnswerLineWidth = 50;

// How a category text is made.
enum class Answer {
    WithReferences,
    TextOnly,
    ReferencesOnly, // the shown part is empty
    Nothing,        // the byte "'"
    Empty,          // no text at all
    TooManyReferences,
};

struct Reference {
    int article;
    int book;
};

std::string referenceBytes(const std::vector<Reference>& refs, bool blanks)
{
    std::string out;
    for (const auto& r : refs) {
        out += '\xFA';
        out += blanks ? " " + std::to_string(r.article) + " / " + std::to_string(r.book) + " "
                      : std::to_string(r.article) + "/" + std::to_string(r.book);
        out += '\xFB';
    }
    return out;
}

bool schoolBook(int book, School school)
{
    if (book <= 3)
        return school == School::Hanafi;
    if (book <= 8)
        return school == School::Maliki;
    if (book <= 11)
        return school == School::Shafii;
    return true; // the general references serve every school
}

class QuestionWriter {
public:
    explicit QuestionWriter(const ShelfArticles& shelf) : shelf_(shelf) {}

    // The book's files; its questions go into the shared index.
    std::vector<DemoFile> book(int number, int firstArticle)
    {
        const FiqhChapter& chapter = fiqhChapters()[static_cast<std::size_t>(number - 1)];
        book_ = number;
        next_ = firstArticle;
        ArticleRuns runs;
        std::string tree;
        TitleData titles;
        auto node = [&](int level, std::string_view title, int group) {
            const auto [at, length] = titles.add(title);
            tree += fields({at, length, level, group});
        };
        for (std::size_t k = 0; k < chapter.topics.size(); ++k) {
            const std::string topic(chapter.topics[k]);
            const int t = chapter.firstTopic + static_cast<int>(k);
            const bool last = k + 1 == chapter.topics.size();
            const int count = 3 + t % 4;
            const int start = runs.nextPosition();
            std::vector<std::pair<std::string_view, int>> children;
            int direct = 0;
            if (count < 4) {
                direct = runs.add(questions(topic, t, chapter.title, 0, count, last));
            } else {
                for (int q = 0; q < count; q += 2) {
                    const int group = runs.add(
                        questions(topic, t, chapter.title, q, std::min(q + 2, count), last));
                    children.push_back({kQuestionGroups[q / 2], group});
                }
            }
            std::vector<std::pair<const DeepHeading*, int>> ladder;
            if (number == 1 && k == 0)
                for (const auto& h : kWaterLadder)
                    ladder.push_back({&h, h.question.empty()
                                              ? 0
                                              : runs.add({add(h.question, t, chapter.title)})});
            // A topic with sub-headings lists all their questions too.
            const int own = children.empty() && ladder.empty()
                                ? direct
                                : runs.addSpan(start, runs.nextPosition() - 1);
            node(1, topic, own);
            for (const auto& [title, group] : children)
                node(2, title, group);
            for (const auto& [h, group] : ladder)
                node(h->level, h->title, group);
        }
        const auto b = static_cast<std::size_t>(number - 1);
        const std::string stem = std::to_string(13 + 4 * static_cast<int>(b));
        const std::string next = std::to_string(14 + 4 * static_cast<int>(b));
        const std::string list = std::to_string(15 + 4 * static_cast<int>(b));
        const std::string map = std::to_string(16 + 4 * static_cast<int>(b));
        return {{"data\\1kenor4" + stem, tree},
                {"data\\kenor4" + next, titles.bytes()},
                {"data\\1kenor4" + list, runs.numberList()},
                {"data\\1kenor4" + map, runs.groupMap()}};
    }

    int nextArticle() const { return next_; }

    // Every record up to the last question, unused ones all zero.
    std::string index() const
    {
        const int records = records_.empty() ? 0 : records_.rbegin()->first + 1;
        std::string out;
        for (int r = 0; r < records; ++r) {
            const auto it = records_.find(r);
            out += it != records_.end() ? it->second : fields({0, 0, 0, 0, 0, 0, 0, 0});
        }
        return out;
    }
    const std::string& texts() const { return texts_.bytes(); }

private:
    // Questions from..to-1 of the topic's patterns; the book's very last
    // question carries one category with more references than the screen
    // holds.
    std::vector<int> questions(const std::string& topic, int t, std::string_view chapter, int from,
                               int to, bool lastTopic)
    {
        std::vector<int> out;
        for (int q = from; q < to; ++q) {
            const std::string title = Prose::fill(kQuestions[q], {{'T', topic}});
            const bool tooMany = book_ == 1 && lastTopic && q + 1 == 3 + t % 4;
            out.push_back(add(title, t, chapter, tooMany));
        }
        return out;
    }

    int add(std::string_view title, int topic, std::string_view chapter, bool tooMany = false)
    {
        const int article = next_++;
        const int record = kQuestionBookBase[static_cast<std::size_t>(book_ - 1)] + article - 1;
        if (records_.count(record))
            throw RangeError("Question record " + std::to_string(record) + " written twice");
        const auto [at, length] = texts_.addGlyphs(glyphLine(title));
        std::string rec = fields({at, length});
        for (int k = 1; k <= 3; ++k) {
            Answer kind = answerKind(serial_, k);
            if (tooMany && k == 1)
                kind = Answer::TooManyReferences;
            const auto [o, l] =
                texts_.addGlyphs(category(kind, static_cast<School>(k), topic, chapter));
            rec += fields({o, l});
        }
        records_[record] = rec;
        ++serial_;
        return article;
    }

    // The first questions of the first book show every kind of category
    // text; after them most answers have a text and references, some a
    // text only, now and then one is empty.
    static Answer answerKind(int serial, int category)
    {
        switch (serial * 3 + category) {
        case 4: return Answer::TextOnly;       // question 2, category 1
        case 5: return Answer::Nothing;        // question 2, category 2
        case 7: return Answer::ReferencesOnly; // question 3, category 1
        case 9: return Answer::Empty;          // question 3, category 3
        default: break;
        }
        if ((serial + category) % 5 == 0)
            return Answer::TextOnly;
        if ((serial * 7 + category) % 23 == 0)
            return Answer::Empty;
        if (serial > 12 && (serial + category) % 31 == 0)
            return Answer::Nothing;
        return Answer::WithReferences;
    }

    std::string category(Answer kind, School school, int topic, std::string_view chapter)
    {
        switch (kind) {
        case Answer::Empty: return {};
        case Answer::Nothing: return "'";
        default: break;
        }
        const Slots slots{{'M', std::string(schoolName(school))},
                          {'T', std::string(fiqhTopicTitle(topic))},
                          {'B', std::string(chapter)}};
        std::string text;
        if (kind != Answer::ReferencesOnly) {
            const std::string paragraph = Prose::fill(prose_.pick(kOpenings), slots) + " " +
                                          prose_.paragraph(kReasons, 1 + prose_.below(3), slots);
            for (const auto& line : Prose::wrap(paragraph, kAnswerLineWidth)) {
                if (!text.empty())
                    text += "\r\n";
                text += glyphLine(line);
            }
        }
        if (kind == Answer::TextOnly)
            return text;
        const int count = kind == Answer::TooManyReferences ? 11 : 1 + serial_ % 3;
        const bool blanks = kind == Answer::ReferencesOnly || serial_ % 4 == 0;
        return text + referenceBytes(references(school, topic, count), blanks);
    }

    // Articles of the school's books (and the general references) on the
    // topic, taking each book's first article before any book's second.
    std::vector<Reference> references(School school, int topic, int count)
    {
        std::vector<Reference> all;
        for (std::size_t depth = 0; static_cast<int>(all.size()) < count + serial_ % 4; ++depth) {
            bool any = false;
            for (int c = 0; c < kShelfBookCount; ++c) {
                const auto& list =
                    shelf_[static_cast<std::size_t>(c)][static_cast<std::size_t>(topic)];
                if (!schoolBook(c, school) || depth >= list.size())
                    continue;
                all.push_back({list[depth], c});
                any = true;
            }
            if (!any)
                break;
        }
        if (static_cast<int>(all.size()) < count)
            throw RangeError("Too few shelf articles to refer to on topic " +
                             std::to_string(topic));
        // Start at a different one now and then, so that the same topic's
        // questions do not all open the same article.
        const std::size_t skip = all.size() - static_cast<std::size_t>(count);
        const std::size_t from = skip == 0 ? 0 : static_cast<std::size_t>(serial_) % (skip + 1);
        return {all.begin() + static_cast<std::ptrdiff_t>(from),
                all.begin() + static_cast<std::ptrdiff_t>(from) + count};
    }

    static std::string_view fiqhTopicTitle(int topic)
    {
        for (const auto& ch : fiqhChapters())
            if (topic < ch.firstTopic + static_cast<int>(ch.topics.size()))
                return ch.topics[static_cast<std::size_t>(topic - ch.firstTopic)];
        return {};
    }

    const ShelfArticles& shelf_;
    Prose prose_{0x53554157}; // "SUAW"
    TextData texts_;
    std::map<int, std::string> records_;
    int book_ = 0;
    int next_ = 1;
    int serial_ = 0;
};

} // namespace

std::vector<DemoFile> questionFiles(const ShelfArticles& shelfArticles)
{
    QuestionWriter writer(shelfArticles);
    std::vector<DemoFile> files;
    for (int b = 1; b <= 10; ++b) {
        // Books 7 and 8 share one base: the second goes on where the first
        // ended.
        const int first = b == 8 ? writer.nextArticle() : 1;
        for (auto& f : writer.book(b, first))
            files.push_back(std::move(f));
    }
    files.push_back({"data\\1kenor47", writer.index()});
    files.push_back({"data\\kenor46", writer.texts()});
    return files;
}

} // namespace ovta::demo
