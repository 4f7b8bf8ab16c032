// The section homes' settings table: what every home's layout and keyboard
// order must satisfy, checked over all nine rows.
#include "sections/home_settings.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace ovta {
namespace {

TEST(HomeSettings, NineHomesOpenedByTheirMenuLabels)
{
    const struct {
        const char* kind;
        int menuTag;
        int positions;
    } homes[] = {{"frm41", 1, 15}, {"frm51", 2, 4}, {"frm01", 3, 13},
                 {"frm31", 4, 13}, {"frm21", 5, 7}, {"frm11", 6, 6},
                 {"frm61", 7, 7},  {"frm71", 8, 5}, {"frm81", 9, 4}};
    EXPECT_EQ(homeSettings().size(), 9u);
    for (const auto& h : homes) {
        const HomeSettings* home = homeSettings(h.kind);
        ASSERT_NE(home, nullptr) << h.kind;
        EXPECT_EQ(home->menuTag, h.menuTag) << h.kind;
        EXPECT_EQ(home->order.size(), static_cast<std::size_t>(h.positions)) << h.kind;
    }
    EXPECT_EQ(homeSettings("frm02"), nullptr);
    EXPECT_EQ(homeSettings(""), nullptr);
}

TEST(HomeSettings, EveryHomeHasItsHelpFirstAndItsExitLast)
{
    for (const HomeSettings& home : homeSettings()) {
        SCOPED_TRACE(home.kind);
        ASSERT_FALSE(home.hotSpots.empty());
        const HomeHotSpot& help = home.hotSpots.front();
        EXPECT_STREQ(help.opens, "frm24");
        EXPECT_EQ(help.place.w, 64);
        EXPECT_GE(help.place.h, 286);
        EXPECT_LE(help.place.y, 0);
        EXPECT_EQ(std::string(home.order.front()), help.panel) << "position 1 is the help";
        EXPECT_STREQ(home.order.back(), HomeExit.panel) << "position N is the exit";
    }
    EXPECT_STREQ(HomeExit.image, "Image5");
    EXPECT_EQ(HomeExit.place.x, -1);
    EXPECT_EQ(HomeExit.place.y, 416);
}

TEST(HomeSettings, KeyboardOrderVisitsEveryHotSpotOnce)
{
    for (const HomeSettings& home : homeSettings()) {
        SCOPED_TRACE(home.kind);
        std::set<std::string> panels{HomeExit.panel}, images{HomeExit.image};
        for (const HomeHotSpot& spot : home.hotSpots) {
            EXPECT_TRUE(panels.insert(spot.panel).second) << "panel twice: " << spot.panel;
            EXPECT_TRUE(images.insert(spot.image).second) << "image twice: " << spot.image;
        }
        const std::set<std::string> ordered(home.order.begin(), home.order.end());
        EXPECT_EQ(ordered.size(), home.order.size()) << "a position twice";
        EXPECT_EQ(ordered, panels);
    }
}

TEST(HomeSettings, SquareHotSpotsLieOnTheScreenAndOutsideTheDeadArea)
{
    for (const HomeSettings& home : homeSettings()) {
        const layout::Box& dead = home.panorama;
        for (const HomeHotSpot& spot : home.hotSpots) {
            SCOPED_TRACE(std::string(home.kind) + " " + spot.panel);
            const layout::Box& r = spot.place;
            EXPECT_GE(r.x, -1);
            EXPECT_LE(r.x + r.w, 641);
            EXPECT_LE(r.y + r.h, 481);
            const bool overlaps = r.x < dead.x + dead.w && dead.x < r.x + r.w &&
                                  r.y < dead.y + dead.h && dead.y < r.y + r.h;
            EXPECT_FALSE(overlaps) << "a hot spot under the hidden panorama could not be entered";
        }
    }
}

TEST(HomeSettings, ValuesCopyTheTagOrAreTheLayoutsConstants)
{
    const HomeSettings& landmarks = *homeSettings("frm01");
    for (const HomeHotSpot& spot : landmarks.hotSpots) {
        if (std::string(spot.image) == "Image3") {
            EXPECT_EQ(spot.tag, 7);
            EXPECT_EQ(homeValue(spot), 1) << "the Tag plays no part";
        }
        if (std::string(spot.image) == "Image11") {
            EXPECT_EQ(homeValue(spot), 7);
        }
    }
    const HomeSettings& figures = *homeSettings("frm11");
    for (const HomeHotSpot& spot : figures.hotSpots) {
        if (std::string(spot.image) == "Image7") {
            EXPECT_EQ(spot.tag, 1);
            EXPECT_EQ(homeValue(spot), 2);
        }
        if (std::string(spot.image) == "Image4") {
            EXPECT_EQ(spot.tag, 2);
            EXPECT_EQ(spot.sets, HomeGlobal::None);
        }
    }
}

}  // namespace
}  // namespace ovta
