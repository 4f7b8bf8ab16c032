// The decoder over all the text of the demo content, read as the screens
// read it: every title and text decodes to charted characters and encodes
// back to the very same bytes.
#include "tools/content/content_walk.h"

#include <gtest/gtest.h>

#include "search/glyph_chart.h"
#include "search/glyph_decoder.h"
#include "search/glyph_encoder.h"
#include "store/errors.h"

namespace ovta::tools {
namespace {

TEST(DemoText, EveryTitleAndTextRoundTripsThroughTheDecoder)
{
    const ContentDir dir(OVTA_DEMO_DIR);
    ContentWalk walk(dir);
    std::size_t blocks = 0;
    std::size_t documents = 0;
    std::size_t reshaped = 0;
    walk.run([&](Document&& doc) {
        ++documents;
        for (const Block& b : doc.blocks) {
            if (b.plain || b.glyphs.empty())
                continue;
            ++blocks;
            SCOPED_TRACE(doc.path);
            ASSERT_EQ(firstUnchartedGlyph(b.glyphs), std::string::npos) << quoteBytes(b.glyphs);
            const std::string text = decodeGlyphTextUtf8(b.glyphs);
            std::string back;
            ASSERT_NO_THROW(back = encodeGlyphText(text)) << text;
            // Text wrapped after it was shaped keeps a joined shape where a
            // word runs over the line end; the encoder, shaping each line on
            // its own, picks the shape the line gives. The letters stay.
            ASSERT_EQ(back.size(), b.glyphs.size()) << text;
            for (std::size_t i = 0; i < back.size(); ++i) {
                if (back[i] == b.glyphs[i])
                    continue;
                const auto* was = chartEntry(static_cast<std::uint8_t>(b.glyphs[i]));
                const auto* now = chartEntry(static_cast<std::uint8_t>(back[i]));
                ASSERT_TRUE(was && now && was->letter == now->letter && was->alef == now->alef)
                    << "byte " << i << " of " << quoteBytes(b.glyphs);
                const bool lineEnd = i == 0 || i + 1 == back.size() || back[i - 1] == '\n' ||
                                     back[i + 1] == '\r';
                EXPECT_TRUE(lineEnd) << "byte " << i << " of " << quoteBytes(b.glyphs);
                ++reshaped;
            }
            EXPECT_EQ(decodeGlyphTextUtf8(back), text);
        }
    });
    EXPECT_TRUE(walk.faults().empty()) << walk.faults().front().message;
    // The walk reached the books, the articles and the lists.
    EXPECT_GT(documents, 1000U);
    EXPECT_GT(blocks, 10000U);
    // A word split over a line end is rare.
    EXPECT_LT(reshaped, 20U);
    for (int k = 1; k <= TitleTable::Size; ++k) {
        const std::string& entry = walk.titles().entry(k);
        EXPECT_EQ(encodeGlyphText(decodeGlyphTextUtf8(entry)), entry) << "title table entry " << k;
    }
}

} // namespace
} // namespace ovta::tools
