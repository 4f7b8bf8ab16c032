#include "lists/frm05.h"

#include <exception>

#include "shell/globals.h"
#include "shell/layout_picture.h"
#include "store/content_dir.h"

namespace ovta {
namespace {

const bool registered = registerKinds<Tfrm05>();

constexpr Frm05Set kSets[] = {
    {"data\\1kenor012", "data\\kenor013", "data\\1kenor014", "data\\kenor015", 98},
    {"data\\1kenor018", "data\\kenor019", "data\\1kenor020", "data\\kenor021", 99},
};

} // namespace

const Frm05Set* frm05Set(int item)
{
    if (item < 1 || item > 2)
        return nullptr;
    return &kSets[item - 1];
}

Tfrm05::Tfrm05() : TwoPaneScreen(twoPaneSettings(Kind), state())
{
    const layout::Box& h = layout::kFrm05.heading;
    Label11 = new LabelControl(this, QStringLiteral("Label11"), toRect(h));
    Label11->setTransparent(true);
}

void Tfrm05::loadOnShow()
{
    const Frm05Set* set = frm05Set(globals().CurrentItem);
    if (!set) {
        // Opened with no set of its own: nothing to list.
        listFilled();
        return;
    }
    // Whatever fails, the list shows what it could read before the error
    // is reported.
    std::exception_ptr failure;
    try {
        const ContentDir& dir = ContentDir::current();
        const IndexList titleIndex = IndexList::load(dir, set->titleIndex);
        textIndex_ = IndexList::load(dir, set->textIndex);
        const DataFile titles = DataFile::open(dir, set->titles);
        texts_ = DataFile::open(dir, set->texts);
        Label11->setGlyphText(globals().titleTable.entry(set->heading), GlyphFace::Glyf02, -24,
                              QColor(255, 255, 0), Qt::AlignHCenter);
        titleList().scanNumbered(titleIndex, titles);
    } catch (...) {
        failure = std::current_exception();
    }
    listFilled();
    if (failure)
        std::rethrow_exception(failure);
}

std::string Tfrm05::rowText(int tag) const
{
    return numberedText(textIndex_, texts_, tag);
}

} // namespace ovta
