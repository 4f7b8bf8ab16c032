#include "store/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/errors.h"

namespace ovta {
namespace {

TEST(TextLines, SplitsAtCrLfAndCountsNoEmptyLastLine)
{
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"\r\n", {""}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\r\n\r\nc", {"", "", "c"}},
        {"a\nb\rc", {"a\nb\rc"}},  // a lone CR or LF stays in its line
        {"a\r\r\nb\n", {"a\r", "b\n"}},
        {std::string("x\0y\r\nz", 6), {std::string("x\0y", 3), "z"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        ASSERT_EQ(lineCount(c.text), c.lines.size());
        for (std::size_t i = 0; i < c.lines.size(); ++i)
            EXPECT_EQ(lineAt(c.text, i), c.lines[i]) << "line " << i;
        EXPECT_THROW(lineAt(c.text, c.lines.size()), RangeError);
    }
}

TEST(TextLines, LongLineIsCutWhenFetched)
{
    const std::string longLine(4097, 'x');
    const std::string text = "a\r\n" + longLine + "\r\n" + std::string(4096, 'y') + "\r\nend";
    ASSERT_EQ(lineCount(text), 4u);
    EXPECT_EQ(lineAt(text, 1), longLine.substr(0, 4096));
    EXPECT_EQ(lineAt(text, 2), std::string(4096, 'y'));
    EXPECT_EQ(lineAt(text, 3), "end");
}

TEST(TextLines, IndexBeyondTheLinesIsARangeError)
{
    EXPECT_THROW(lineAt("a\r\nb", 2), RangeError);
    EXPECT_THROW(lineAt("a\r\nb", static_cast<std::size_t>(-1)), RangeError);
}

}  // namespace
}  // namespace ovta
