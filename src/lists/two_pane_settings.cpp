#include "lists/two_pane_settings.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace ovta {
namespace {

const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kMaroon(128, 0, 0);
const QColor kBlue(0, 0, 255);

// clang-format off
const std::array<TwoPaneSettings, 2> kMembers{{
    {.kind = "frm05", .layout = &layout::kFrm05,
     .rowFace = GlyphFace::Glyf02, .rowSize = 14, .rowColor = kYellow, .openColor = kRed,
     .textFace = GlyphFace::Glyf02, .textSize = 14, .textColor = kYellow, .textRows = 8,
     .pressed = {"Image2", "Image3", "Image4", "Image5"},
     .searchName = "Image1", .searchSource = 5, .keysRestoreSearch = false},
    {.kind = "frm34", .layout = &layout::kFrm34,
     .rowFace = GlyphFace::Glyf02, .rowSize = -19, .rowColor = kMaroon, .openColor = kBlue,
     .textFace = GlyphFace::Glyf02, .textSize = -19, .textColor = kMaroon, .textRows = 6,
     .pressed = {"Image10", "Image11", "Image12", "Image13"},
     .searchName = "Image9", .searchSource = 34, .keysRestoreSearch = true},
}};
// clang-format on

} // namespace

const TwoPaneSettings& twoPaneSettings(const char* kind)
{
    for (const TwoPaneSettings& row : kMembers)
        if (std::strcmp(row.kind, kind) == 0)
            return row;
    throw std::logic_error(std::string("no two-pane settings for ") + kind);
}

} // namespace ovta
