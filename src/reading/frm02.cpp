#include "reading/frm02.h"

#include "shell/screen_parts.h"
#include "shell/globals.h"
#include "shell/screen_open.h"
#include "shell/screen_registry.h"

namespace ovta {
namespace {

const bool registered = registerScreen(Tfrm02::Kind, [] { openScreen<Tfrm02>(); });

} // namespace

const TopicListMember& Tfrm02::settings()
{
    static const TopicListMember m{
        .kind = Kind,
        .rules = {TopicRecord::Grouped, true, 0, 201, Kind},
        .itemOffset = 0,
        .reader = "frm03",
        .openerFilesFor = "frm03",
        .readerFiles = {"data\\1kenor010", "data\\1kenor011", "data\\kenor09"},
        .firstRow = toRect(layout::kFrm02.firstRow),
        .rowStep = layout::kFrm02.rowStep,
        .rowFace = GlyphFace::Glyf02,
        .rowSize = 16,
        .rowColor = QColor(250, 236, 190),
        .hideEmptyRows = true,
        .l3 = toRect(layout::kFrm02.lineUp),
        .l7 = toRect(layout::kFrm02.pageUp),
        .l8 = toRect(layout::kFrm02.pageDown),
        .l4 = toRect(layout::kFrm02.lineDown),
        .pressedUp = "Image1",
        .pressedDown = "Image2",
        .pressedUpAt = toRect(layout::kFrm02.lineUp),
        .pressedDownAt = toRect(layout::kFrm02.lineDown),
        .backAt = toRect(layout::kFrm02.back),
        .searchName = "Image3",
        .searchAt = toRect(layout::kFrm02.search),
        .searchSource = 0,
        .magnifierBack = QColor(0, 0, 160),
        .magnifierFace = GlyphFace::Glyf02,
        .magnifierSize = -21,
        .magnifierTakesRowFont = false,
        .cycle = {"l3", "l7", "l8", "l4", "l2", "Image3"},
        .rowPointerOffset = 0,
        .keyPositionIsRepeat = true,
    };
    return m;
}

Tfrm02::State& Tfrm02::state()
{
    static State s;
    return s;
}

int frm02HeadingEntry(int item)
{
    if (item >= 1 && item <= 6)
        return 10 + item;
    if (item == 7)
        return 95;
    if (item == 8)
        return 96;
    return 0;
}

Tfrm02::Tfrm02() : TopicListScreen(settings(), state()), group_(globals().CurrentItem)
{
    Label3 = new LabelControl(this, QStringLiteral("Label3"), toRect(layout::kFrm02.heading));
    Label3->setTransparent(true);
}

std::pair<const char*, const char*> Tfrm02::topicFiles() const
{
    if (group_ == 7)
        return {"data\\1kenor022", "data\\kenor023"};
    return {"data\\1kenor01", "data\\kenor02"};
}

void Tfrm02::afterCreate()
{
    const int entry = frm02HeadingEntry(group_);
    Label3->setGlyphText(entry ? globals().titleTable.entry(entry) : std::string(),
                         GlyphFace::Glyf02, -26, QColor(250, 226, 140), Qt::AlignHCenter);
}

} // namespace ovta
