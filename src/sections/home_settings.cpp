#include "sections/home_settings.h"

namespace ovta {
namespace {

using G = HomeGlobal;

constexpr layout::Box at(int left, int top)
{
    return {left, top, 64, 64};
}

HomeHotSpot help(const char* panel, const char* image, layout::Box place, bool bevel = false)
{
    return {panel, image, place, 0, G::None, 0, "frm24", bevel};
}

// One hot spot to a line reads as the layout's own table.
// clang-format off
std::vector<HomeSettings> buildTable()
{
    std::vector<HomeSettings> homes;
    homes.push_back({"frm01", 3,
                     {
                         help("Panel10", "Image10", {-1, -1, 64, 291}, true),
                         {"Panel13", "Image13", at(256, 33), 0, G::CurrentItem, 2, "frm05"},
                         {"Panel11", "Image11", at(320, 96), 7, G::CurrentItem, FromTag, "frm02"},
                         {"Panel12", "Image12", at(256, 160), 8, G::CurrentItem, FromTag, "frm02"},
                         {"Panel1", "Image2", at(512, 32), 3, G::CurrentItem, FromTag, "frm02"},
                         {"Panel9", "Image9", at(448, 96), 6, G::CurrentItem, FromTag, "frm02"},
                         {"Panel6", "Image6", at(384, 160), 5, G::CurrentItem, FromTag, "frm02"},
                         {"Panel5", "Image7", at(320, 224), 2, G::CurrentItem, FromTag, "frm02"},
                         {"Panel4", "Image4", at(256, 288), 4, G::CurrentItem, FromTag, "frm02"},
                         {"Panel8", "Image8", at(192, 352), 1, G::CurrentItem, FromTag, "frm02"},
                         {"Panel7", "Image1", at(576, 96), 0, G::None, 0, "frm04"},
                         // Its layout Tag 7 plays no part: the handler sets 1.
                         {"Panel2", "Image3", at(576, 161), 7, G::CurrentItem, 1, "frm05"},
                     },
                     {504, 248, 89, 81},
                     {"Panel10", "Panel13", "Panel11", "Panel12", "Panel1", "Panel9", "Panel6",
                      "Panel5", "Panel4", "Panel8", "Panel7", "Panel2", "Panel3"}});
    homes.push_back({"frm11", 6,
                     {
                         help("Panel2", "Image3", {0, 0, 64, 289}),
                         {"Panel1", "Image2", at(448, 96), 0, G::CurrentBook, 1, "frm12"},
                         // Tag 1, but the handler sets book 2.
                         {"Panel5", "Image7", at(384, 160), 1, G::CurrentBook, 2, "frm12"},
                         {"Panel7", "Image1", at(320, 224), 0, G::CurrentBook, 3, "frm12"},
                         // Tag 2, and no global at all.
                         {"Panel4", "Image4", at(256, 288), 2, G::None, 0, "frm14"},
                     },
                     {496, 264, 81, 57},
                     {"Panel2", "Panel1", "Panel5", "Panel7", "Panel4", "Panel3"}});
    homes.push_back({"frm21", 5,
                     {
                         help("Panel2", "Image3", {0, 0, 64, 289}),
                         {"Panel1", "Image2", at(512, 32), 8, G::CurrentBook, FromTag, "frm7"},
                         {"Panel8", "Image8", at(448, 96), 9, G::CurrentBook, FromTag, "frm7"},
                         {"Panel9", "Image9", at(384, 160), 10, G::CurrentBook, FromTag, "frm7"},
                         {"Panel4", "Image1", at(320, 224), 11, G::CurrentBook, FromTag, "frm7"},
                         {"Panel5", "Image4", at(256, 288), 12, G::CurrentBook, FromTag, "frm7"},
                     },
                     {488, 216, 81, 65},
                     {"Panel2", "Panel1", "Panel8", "Panel9", "Panel4", "Panel5", "Panel3"}});
    homes.push_back({"frm31", 4,
                     {
                         help("Panel12", "Image12", {-1, -2, 64, 291}, true),
                         {"Panel4", "Image4", at(448, 32), 5, G::CurrentBook, FromTag, "frm7"},
                         {"Panel5", "Image7", at(384, 96), 1, G::CurrentBook, FromTag, "frm7"},
                         {"Panel6", "Image6", at(320, 160), 4, G::CurrentBook, FromTag, "frm7"},
                         {"Panel1", "Image2", at(256, 224), 2, G::CurrentBook, FromTag, "frm7"},
                         {"Panel7", "Image1", at(192, 288), 3, G::CurrentBook, FromTag, "frm7"},
                         {"Panel10", "Image11", at(512, 96), 4, G::CurrentItem, FromTag, "frm33"},
                         {"Panel8", "Image8", at(448, 160), 1, G::CurrentItem, FromTag, "frm33"},
                         {"Panel9", "Image10", at(384, 224), 3, G::CurrentItem, FromTag, "frm33"},
                         {"Panel13", "Image13", at(320, 288), 5, G::CurrentItem, FromTag, "frm33"},
                         {"Panel11", "Image9", at(256, 352), 2, G::CurrentItem, FromTag, "frm33"},
                         {"Panel2", "Image3", at(512, 352), 0, G::None, 0, "frm34"},
                     },
                     {488, 232, 81, 73},
                     {"Panel12", "Panel4", "Panel5", "Panel6", "Panel1", "Panel7", "Panel10",
                      "Panel8", "Panel9", "Panel13", "Panel11", "Panel2", "Panel3"}});
    homes.push_back({"frm41", 1,
                     {
                         help("Panel16", "Image16", {0, 0, 64, 286}),
                         {"Panel12", "Image12", at(256, 96), 0, G::None, 0, "frm47"},
                         {"Panel15", "Image14", at(194, 161), 0, G::None, 0, "frm45"},
                         {"Panel1", "Image2", at(513, 33), 2, G::CurrentBook, FromTag, "frm43"},
                         {"Panel9", "Image9", at(448, 96), 7, G::CurrentBook, FromTag, "frm43"},
                         {"Panel8", "Image8", at(384, 160), 9, G::CurrentBook, FromTag, "frm43"},
                         {"Panel7", "Image1", at(320, 224), 4, G::CurrentBook, FromTag, "frm43"},
                         {"Panel5", "Image7", at(256, 288), 10, G::CurrentBook, FromTag, "frm43"},
                         {"Panel4", "Image4", at(192, 352), 6, G::CurrentBook, FromTag, "frm43"},
                         {"Panel6", "Image6", at(128, 417), 3, G::CurrentBook, FromTag, "frm43"},
                         {"Panel11", "Image11", at(512, 160), 8, G::CurrentBook, FromTag, "frm43"},
                         {"Panel2", "Image3", at(448, 288), 1, G::CurrentBook, FromTag, "frm43"},
                         {"Panel10", "Image10", at(384, 352), 5, G::CurrentBook, FromTag, "frm43"},
                         {"Panel14", "Image15", at(513, 417), 0, G::None, 0, "frm49"},
                     },
                     {552, 248, 81, 49},
                     {"Panel16", "Panel12", "Panel15", "Panel1", "Panel9", "Panel8", "Panel7",
                      "Panel5", "Panel4", "Panel6", "Panel11", "Panel2", "Panel10", "Panel14",
                      "Panel3"}});
    homes.push_back({"frm51", 2,
                     {
                         help("Panel2", "Image3", {0, 0, 64, 289}),
                         {"Panel9", "Image9", at(384, 96), 6, G::CurrentBook, FromTag, "frm7"},
                         {"Panel1", "Image2", at(320, 160), 7, G::CurrentBook, FromTag, "frm7"},
                     },
                     {440, 248, 57, 49},
                     {"Panel2", "Panel9", "Panel1", "Panel3"}});
    homes.push_back({"frm61", 7,
                     {
                         help("Panel2", "Image3", {0, 0, 64, 289}),
                         {"Panel1", "Image2", at(448, 96), 13, G::CurrentBook, FromTag, "frm7"},
                         {"Panel5", "Image4", at(384, 160), 0, G::None, 0, "frm64"},
                         {"Panel4", "Image1", at(320, 224), 0, G::None, 0, "frm62"},
                         {"Panel8", "Image8", at(256, 288), 0, G::CurrentItem, 6, "frm33"},
                         {"Panel6", "Image6", at(192, 352), 0, G::None, 0, "frm63"},
                     },
                     {456, 272, 137, 73},
                     {"Panel2", "Panel1", "Panel5", "Panel4", "Panel8", "Panel6", "Panel3"}});
    homes.push_back({"frm71", 8,
                     {
                         help("Panel2", "Image3", {0, 0, 64, 289}),
                         {"Panel1", "Image2", at(448, 96), 14, G::CurrentBook, FromTag, "frm7"},
                         {"Panel9", "Image9", at(384, 160), 15, G::CurrentBook, FromTag, "frm7"},
                         {"Panel8", "Image8", at(320, 224), 16, G::CurrentBook, FromTag, "frm7"},
                     },
                     {480, 224, 89, 65},
                     {"Panel2", "Panel1", "Panel9", "Panel8", "Panel3"}});
    homes.push_back({"frm81", 9,
                     {
                         help("Panel2", "Image3", {0, 0, 64, 289}),
                         {"Panel1", "Image2", at(448, 96), 0, G::None, 0, "frm82"},
                         {"Panel9", "Image9", at(384, 160), 17, G::CurrentBook, FromTag, "frm7"},
                     },
                     {464, 232, 97, 81},
                     {"Panel2", "Panel1", "Panel9", "Panel3"}});
    return homes;
}
// clang-format on

}  // namespace

const HomeHotSpot HomeExit{"Panel3", "Image5", {-1, 416, 64, 64}, 0, HomeGlobal::None, 0, ""};

const std::vector<HomeSettings>& homeSettings()
{
    static const std::vector<HomeSettings> table = buildTable();
    return table;
}

const HomeSettings* homeSettings(std::string_view kind)
{
    for (const auto& home : homeSettings())
        if (kind == home.kind)
            return &home;
    return nullptr;
}

}  // namespace ovta
