#include "demo/credits.h"

#include <gtest/gtest.h>

#include "demo/glyph_lines_support.h"
#include "search/glyph_chart.h"
#include "search/glyph_encoder.h"

namespace ovta::demo {
namespace {

TEST(Credits, FileHoldsEveryLineAsChartedGlyphTextWithCrLf)
{
    bool ok = false;
    const auto lines = test::crlfSplit(creditsFile(), ok);
    EXPECT_TRUE(ok) << "a line does not end with CR LF or holds a lone break";
    ASSERT_EQ(lines.size(), creditLines().size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "line " << i);
        EXPECT_EQ(lines[i].find('\0'), std::string::npos);
        for (const unsigned char b : lines[i])
            EXPECT_NE(chartEntry(b), nullptr) << "byte " << int(b);
        EXPECT_EQ(lines[i], encodeGlyphText(creditLines()[i]));
    }
}

TEST(Credits, ScrollsThroughSeveralWindowsAndOpensWithTheProgramName)
{
    const auto lines = creditLines();
    // The scroller shows five lines; a few dozen give it something to scroll.
    EXPECT_GE(lines.size(), 24u);
    ASSERT_FALSE(lines.empty());
    EXPECT_FALSE(lines.front().empty());
    // Gaps separate groups; two in a row would leave a slot blank for no reason.
    for (std::size_t i = 1; i < lines.size(); ++i)
        EXPECT_FALSE(lines[i].empty() && lines[i - 1].empty()) << "line " << i;
}

} // namespace
} // namespace ovta::demo
