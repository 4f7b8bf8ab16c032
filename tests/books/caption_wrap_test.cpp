#include "books/caption_wrap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ovta {
namespace {

// Ten pixels a character.
int tenEach(std::string_view s)
{
    return 10 * static_cast<int>(s.size());
}

TEST(PathCaption, WrapsOnlyWhatIsWiderThanTheLabel)
{
    const struct {
        const char* name;
        std::string caption;
        int limit;
        std::string wrapped;
    } cases[] = {
        {"fits", "ccc // bb // a", 200, "ccc // bb // a"},
        {"exactly as wide", "ccc // bb // a", 140, "ccc // bb // a"},
        // Words leave from the start, where the deepest headings stand.
        {"two lines", "ccc // bb // a", 100, "bb // a\r\nccc // "},
        {"rest must be narrower", "ccc // bb // a", 70, "// a\r\nccc // bb "},
        // No blank left: the rest stays as wide as it is.
        {"one long word", "abcdefghijkl", 50, "abcdefghijkl"},
        {"long last word", "ab abcdefghijkl", 50, "abcdefghijkl\r\nab "},
        // A trailing blank is never moved away from an empty rest.
        {"trailing blank", "abcdefgh ", 50, "abcdefgh "},
        {"empty", "", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(wrapPathCaption(c.caption, tenEach, c.limit), c.wrapped);
    }
}

TEST(PathCaption, WithoutAMeasureNothingWraps)
{
    EXPECT_EQ(wrapPathCaption("a b c", TextWidth(), 0), "a b c");
}

TEST(QuestionTitle, LinesRunFromTheRightEndOfTheTitle)
{
    const struct {
        const char* name;
        std::string title;
        int limit;
        std::vector<std::string> lines;
    } cases[] = {
        {"fits", "aa bb cc", 80, {"aa bb cc"}},
        {"two lines", "aa bb cc", 60, {"bb cc", "aa "}},
        {"several lines", "aa bb cc dd ee", 51, {"dd ee", "cc ", "bb ", "aa "}},
        // The rest must be narrower than the limit, its blanks measured too.
        {"strictly narrower", "aa bb cc dd ee", 50, {"ee", "dd ", "cc ", "bb ", "aa "}},
        // The carried words still too wide are wrapped again.
        {"carried part wrapped", "aaaa bbbb cccc", 50, {"cccc", "bbbb ", "aaaa "}},
        // A word wider than the limit on its own stays whole on its line.
        {"wide word alone", "abcdefghij", 50, {"abcdefghij"}},
        {"wide word first", "abcdefghij kl", 50, {"kl", "abcdefghij "}},
        {"wide word last", "ab abcdefghij", 50, {"abcdefghij", "ab "}},
        {"blanks only at the end", "abcdefghij   ", 50, {"abcdefghij   "}},
        {"empty", "", 50, {""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(wrapQuestionTitle(c.title, tenEach, c.limit), c.lines);
    }
}

// A damaged title can be as long as its data file; wrapping it must stay in
// proportion to its length.
TEST(QuestionTitle, MeasuresAboutALineForEachLine)
{
    std::string title;
    while (title.size() < 200000)
        title += "ab ";
    std::size_t measured = 0;
    const auto lines = wrapQuestionTitle(
        title,
        [&measured](std::string_view s) {
            measured += s.size();
            return 10 * static_cast<int>(s.size());
        },
        361);
    EXPECT_GT(lines.size(), 5000u);
    EXPECT_LT(measured, 50 * title.size());
}

TEST(QuestionTitle, EndsForEveryWidthEvenWhenNothingFits)
{
    const std::string title = "a bb ccc dddd eeeee ffffff ";
    for (int limit = -10; limit <= 300; limit += 7) {
        const auto lines = wrapQuestionTitle(title, tenEach, limit);
        std::string joined;
        for (auto it = lines.rbegin(); it != lines.rend(); ++it)
            joined += *it;
        EXPECT_EQ(joined, title) << limit;
    }
}

} // namespace
} // namespace ovta
