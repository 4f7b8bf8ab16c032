#include "reading/frm45.h"

#include "shell/screen_parts.h"
#include "shell/screen_open.h"
#include "shell/screen_registry.h"

namespace ovta {
namespace {

const bool registered = registerScreen(Tfrm45::Kind, [] { openScreen<Tfrm45>(); });

} // namespace

const TopicListMember& Tfrm45::settings()
{
    static const TopicListMember m{
        .kind = Kind,
        .rules = {TopicRecord::OrderB, false, -1, 200, Kind},
        .itemOffset = 0,
        .reader = "frm46",
        .openerFilesFor = "frm46",
        .readerFiles = {"data\\1kenor410", "data\\1kenor411", "data\\kenor48"},
        .firstRow = toRect(layout::kFrm45.firstRow),
        .rowStep = layout::kFrm45.rowStep,
        .rowFace = GlyphFace::Glyf01,
        .rowSize = -27,
        .rowColor = QColor(128, 0, 0),
        .hideEmptyRows = true,
        .l3 = toRect(layout::kFrm45.lineUp),
        .l7 = toRect(layout::kFrm45.pageUp),
        .l8 = toRect(layout::kFrm45.pageDown),
        .l4 = toRect(layout::kFrm45.lineDown),
        .pressedUp = "Image2",
        .pressedDown = "Image3",
        .pressedUpAt = toRect(layout::kFrm45.lineUp),
        .pressedDownAt = toRect(layout::kFrm45.lineDown),
        .backAt = toRect(layout::kFrm45.back),
        .searchName = "Image4",
        .searchAt = toRect(layout::kFrm45.search),
        .searchSource = 45,
        .magnifierBack = QColor(210, 207, 174),
        .magnifierFace = GlyphFace::Glyf01,
        .magnifierSize = -27,
        .magnifierTakesRowFont = false,
        .cycle = {"l3", "l7", "l8", "l4", "l2", "Image4"},
        .rowPointerOffset = 30,
        .keyPositionIsRepeat = false,
    };
    return m;
}

Tfrm45::State& Tfrm45::state()
{
    static State s;
    return s;
}

Tfrm45::Tfrm45() : TopicListScreen(settings(), state()) {}

} // namespace ovta
