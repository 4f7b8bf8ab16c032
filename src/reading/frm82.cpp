#include "reading/frm82.h"

#include "shell/screen_parts.h"
#include "shell/screen_open.h"
#include "shell/screen_registry.h"

namespace ovta {
namespace {

const bool registered = registerScreen(Tfrm82::Kind, [] { openScreen<Tfrm82>(); });

} // namespace

const TopicListMember& Tfrm82::settings()
{
    static const TopicListMember m{
        .kind = Kind,
        .rules = {TopicRecord::OrderB, false, 0, 30, Kind},
        .itemOffset = -1,
        .reader = "frm83",
        .openerFilesFor = nullptr,
        .readerFiles = {},
        .firstRow = toRect(layout::kFrm82.firstRow),
        .rowStep = layout::kFrm82.rowStep,
        .rowFace = GlyphFace::Glyf01,
        .rowSize = -27,
        .rowColor = QColor(128, 0, 0),
        .hideEmptyRows = true,
        .l3 = toRect(layout::kFrm82.lineUp),
        .l7 = toRect(layout::kFrm82.pageUp),
        .l8 = toRect(layout::kFrm82.pageDown),
        .l4 = toRect(layout::kFrm82.lineDown),
        .pressedUp = "Image2",
        .pressedDown = "Image3",
        .pressedUpAt = toRect(layout::kFrm82.lineUp),
        .pressedDownAt = toRect(layout::kFrm82.lineDown),
        .backAt = toRect(layout::kFrm82.back),
        .searchName = "Image1",
        .searchAt = toRect(layout::kFrm82.search),
        .searchSource = 82,
        .magnifierBack = QColor(206, 204, 179),
        .magnifierFace = GlyphFace::Glyf01,
        .magnifierSize = -19,
        .magnifierTakesRowFont = false,
        .cycle = {"l3", "l7", "l8", "l4", "Image1", "l2"},
        .rowPointerOffset = 30,
        .keyPositionIsRepeat = false,
    };
    return m;
}

Tfrm82::State& Tfrm82::state()
{
    static State s;
    return s;
}

Tfrm82::Tfrm82() : TopicListScreen(settings(), state()) {}

} // namespace ovta
