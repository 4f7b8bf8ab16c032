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
        EXPECT_EQ(help.place.width, 64);
        EXPECT_GE(help.place.height, 286);
        EXPECT_LE(help.place.top, 0);
        EXPECT_EQ(std::string(home.order.front()), help.panel) << "position 1 is the help";
        EXPECT_STREQ(home.order.back(), HomeExit.panel) << "position N is the exit";
    }
    EXPECT_STREQ(HomeExit.image, "Image5");
    EXPECT_EQ(HomeExit.place.left, -1);
    EXPECT_EQ(HomeExit.place.top, 416);
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
        const HomeRect& dead = home.panorama;
        for (const HomeHotSpot& spot : home.hotSpots) {
            SCOPED_TRACE(std::string(home.kind) + " " + spot.panel);
            const HomeRect& r = spot.place;
            EXPECT_GE(r.left, -1);
            EXPECT_LE(r.left + r.width, 641);
            EXPECT_LE(r.top + r.height, 481);
            const bool overlaps = r.left < dead.left + dead.width && dead.left < r.left + r.width &&
                                  r.top < dead.top + dead.height && dead.top < r.top + r.height;
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
