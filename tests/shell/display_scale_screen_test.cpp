// Choosing the display factor: the largest whole factor at which the
// 640x480 screens fit, and the --scale values the reader accepts.
#include <gtest/gtest.h>

#include "shell/display_scale.h"

namespace ovta {
namespace {

TEST(DisplayScale, FitsTheScreensByAWholeFactor)
{
    struct Case {
        QSize pixels;
        int factor;
    };
    const Case cases[] = {
        {{640, 480}, 1},   {{1024, 768}, 1},  {{1279, 960}, 1},  {{1280, 959}, 1},
        {{1280, 960}, 2},  {{1920, 1080}, 2}, {{2560, 1440}, 3}, {{1920, 1440}, 3},
        {{3840, 2160}, 4}, {{5120, 2880}, 6}, {{800, 3000}, 1},  {{320, 240}, 1},
        {{0, 0}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.pixels.width()) + "x" + std::to_string(c.pixels.height()));
        EXPECT_EQ(fittingScale(c.pixels), c.factor);
    }
}

TEST(DisplayScale, AcceptsOnlyAWholeFactorInRange)
{
    struct Case {
        const char* text;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"1", 1},           {"3", 3},          {"16", 16},         {"0", std::nullopt},
        {"17", std::nullopt}, {"-2", std::nullopt}, {"+2", std::nullopt}, {"2x", std::nullopt},
        {"1.5", std::nullopt}, {" 2", std::nullopt}, {"", std::nullopt},  {nullptr, std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(none)");
        EXPECT_EQ(parseScale(c.text), c.value);
    }
}

}  // namespace
}  // namespace ovta
