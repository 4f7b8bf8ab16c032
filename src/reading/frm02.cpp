#include "reading/frm02.h"

#include "shell/globals.h"
#include "shell/layout_picture.h"

namespace ovta {
namespace {

const bool registered = registerKinds<Tfrm02>();

} // namespace

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

Tfrm02::Tfrm02() : TopicListScreen(topicListSettings(Kind), state()), group_(globals().CurrentItem)
{
    Label3 = new LabelControl(this, QStringLiteral("Label3"), toRect(layout::kFrm02.heading));
    Label3->setTransparent(true);
}

std::pair<const char*, const char*> Tfrm02::topicFiles() const
{
    if (group_ == 7)
        return {"data\\1kenor022", "data\\kenor023"};
    return TopicListScreen::topicFiles();
}

void Tfrm02::afterCreate()
{
    const int entry = frm02HeadingEntry(group_);
    Label3->setGlyphText(entry ? globals().titleTable.entry(entry) : std::string(),
                         GlyphFace::Glyf02, -26, QColor(250, 226, 140), Qt::AlignHCenter);
}

} // namespace ovta
