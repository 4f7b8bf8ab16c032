#include "shell/sprite_strip.h"

#include <gtest/gtest.h>
#include <vector>

namespace ovta {
namespace {

// The slices a tick shows, left cell first.
std::vector<int> slicesShown(SpriteAnimation& a, int width, int height)
{
    const auto copies = a.tick(width, height);
    std::vector<int> slices(copies.size());
    for (const auto& c : copies) {
        const int w = width / a.slices();
        slices[static_cast<std::size_t>(c.dstX / w)] = c.srcX / w;
    }
    return slices;
}

TEST(SpriteAnimation, OneTickFromAGivenFrame)
{
    struct Case {
        int from;
        std::vector<int> shown;  // cells 1..10
        int after;
    } cases[] = {
        {25, {15, 16, 17, 18, 19, 20, 21, 22, 23, 24}, 24},
        {5, {19, 20, 21, 22, 23, 24, 1, 2, 3, 4}, 4},
        {1, {15, 16, 17, 18, 19, 20, 21, 22, 23, 24}, 24},
        {16, {6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 15},
    };
    for (const auto& c : cases) {
        SpriteAnimation a(25, 10);
        a.setFrame(c.from);
        EXPECT_EQ(slicesShown(a, 333, 100), c.shown) << "from " << c.from;
        EXPECT_EQ(a.frame(), c.after) << "from " << c.from;
    }
}

TEST(SpriteAnimation, CellsAndSlicesOfA333PixelStrip)
{
    SpriteAnimation a(25, 10);
    const auto copies = a.tick(333, 100);
    ASSERT_EQ(copies.size(), 10u);
    // Rightmost cell first; ten 13-pixel cells cover columns 0..129.
    EXPECT_EQ(copies.front().dstX, 117);
    EXPECT_EQ(copies.back().dstX, 0);
    int rightmostSource = 0;
    for (const auto& c : copies) {
        EXPECT_EQ(c.width, 13);
        EXPECT_EQ(c.height, 100);
        EXPECT_EQ(c.srcY, 0);
        EXPECT_GE(c.srcX, 13) << "slice 0 is never shown";
        rightmostSource = std::max(rightmostSource, c.srcX + c.width);
    }
    // Over a whole cycle no copy reaches the strip's last 8 columns.
    for (int t = 0; t < 30; ++t)
        for (const auto& c : a.tick(333, 100))
            rightmostSource = std::max(rightmostSource, c.srcX + c.width);
    EXPECT_EQ(rightmostSource, 325);
}

TEST(SpriteAnimation, CycleLengthIsOneLessThanTheSlices)
{
    struct Case {
        int slices, cells, width, height, cycle;
    } cases[] = {{25, 10, 333, 100, 24}, {25, 10, 1600, 480, 24}, {230, 25, 2997, 100, 229}};
    for (const auto& c : cases) {
        SpriteAnimation a(c.slices, c.cells);
        a.restart();
        const auto first = slicesShown(a, c.width, c.height);
        int ticks = 1;
        while (slicesShown(a, c.width, c.height) != first && ticks < 1000)
            ++ticks;
        EXPECT_EQ(ticks, c.cycle) << c.slices << " slices";
    }
}

TEST(SpriteAnimation, EmptyStripDrawsNothingButStillSteps)
{
    SpriteAnimation a(25, 10);
    EXPECT_TRUE(a.tick(0, 0).empty());
    EXPECT_EQ(a.frame(), 24);
    EXPECT_TRUE(a.tick(20, 100).empty());  // narrower than the slice count
}

}  // namespace
}  // namespace ovta
