#include "reading/topic_list_settings.h"

#include <array>
#include <cstring>
#include <stdexcept>
#include <string>

namespace ovta {
namespace {

const QColor kSand(250, 236, 190);
const QColor kMaroon(128, 0, 0);

// clang-format off
const std::array<TopicListSettings, 4> kTopicLists{{
    {.kind = "frm02", .layout = &layout::kFrm02,
     .rules = {TopicRecord::Grouped, true, 0, 201, "frm02"},
     .topicFile = "data\\1kenor01", .titlesFile = "data\\kenor02",
     .itemOffset = 0, .reader = "frm03", .openerFilesFor = "frm03",
     .readerFiles = {"data\\1kenor010", "data\\1kenor011", "data\\kenor09"},
     .rowFace = GlyphFace::Glyf02, .rowSize = 16, .rowColor = kSand, .hideEmptyRows = true,
     .pressedUp = "Image1", .pressedDown = "Image2", .searchName = "Image3", .searchSource = 0,
     .magnifierBack = QColor(0, 0, 160), .magnifierFace = GlyphFace::Glyf02, .magnifierSize = -21,
     .magnifierTakesRowFont = false,
     .cycle = {"l3", "l7", "l8", "l4", "l2", "Image3"}, .rowPointerOffset = 0,
     .keyPositionIsRepeat = true},
    {.kind = "frm12", .layout = &layout::kFrm12,
     .rules = {TopicRecord::OrderA, false, 0, 1001, "frm12"},
     .topicFile = "data\\1kenor12", .titlesFile = "data\\kenor11",
     .itemOffset = -1, .reader = "frm13", .openerFilesFor = nullptr, .readerFiles = {},
     .rowFace = GlyphFace::Glyf02, .rowSize = -20, .rowColor = kSand, .hideEmptyRows = false,
     .pressedUp = "Image4", .pressedDown = "Image5", .searchName = "Image6", .searchSource = 12,
     .magnifierBack = QColor(0, 64, 0), .magnifierFace = GlyphFace::Glyf02, .magnifierSize = -20,
     .magnifierTakesRowFont = true,
     .cycle = {"l3", "l7", "l8", "l4", "l2"}, .rowPointerOffset = 30,
     .keyPositionIsRepeat = false},
    {.kind = "frm45", .layout = &layout::kFrm45,
     .rules = {TopicRecord::OrderB, false, -1, 200, "frm45"},
     .topicFile = "data\\1kenor49", .titlesFile = "data\\kenor490",
     .itemOffset = 0, .reader = "frm46", .openerFilesFor = "frm46",
     .readerFiles = {"data\\1kenor410", "data\\1kenor411", "data\\kenor48"},
     .rowFace = GlyphFace::Glyf01, .rowSize = -27, .rowColor = kMaroon, .hideEmptyRows = true,
     .pressedUp = "Image2", .pressedDown = "Image3", .searchName = "Image4", .searchSource = 45,
     .magnifierBack = QColor(210, 207, 174), .magnifierFace = GlyphFace::Glyf01,
     .magnifierSize = -27, .magnifierTakesRowFont = false,
     .cycle = {"l3", "l7", "l8", "l4", "l2", "Image4"}, .rowPointerOffset = 30,
     .keyPositionIsRepeat = false},
    {.kind = "frm82", .layout = &layout::kFrm82,
     .rules = {TopicRecord::OrderB, false, 0, 30, "frm82"},
     .topicFile = "data\\1kenor84", .titlesFile = "data\\kenor88",
     .itemOffset = -1, .reader = "frm83", .openerFilesFor = nullptr, .readerFiles = {},
     .rowFace = GlyphFace::Glyf01, .rowSize = -27, .rowColor = kMaroon, .hideEmptyRows = true,
     .pressedUp = "Image2", .pressedDown = "Image3", .searchName = "Image1", .searchSource = 82,
     .magnifierBack = QColor(206, 204, 179), .magnifierFace = GlyphFace::Glyf01,
     .magnifierSize = -19, .magnifierTakesRowFont = false,
     .cycle = {"l3", "l7", "l8", "l4", "Image1", "l2"}, .rowPointerOffset = 30,
     .keyPositionIsRepeat = false},
}};
// clang-format on

} // namespace

const TopicListSettings& topicListSettings(const char* kind)
{
    for (const TopicListSettings& row : kTopicLists)
        if (std::strcmp(row.kind, kind) == 0)
            return row;
    throw std::logic_error(std::string("no topic list settings for ") + kind);
}

} // namespace ovta
