#include "books/frm48.h"

#include <cmath>

#include "books/frm42.h"
#include "books/line_store.h"
#include "books/question_layout.h"
#include "shell/clipboard_text.h"
#include "shell/glyph_text.h"
#include "shell/layout_picture.h"

namespace ovta {
namespace {

const bool registered = registerKinds<Tfrm48>();

const QColor kNavy(0, 0, 128);
const QColor kWhite(255, 255, 255);

// A category text as lines of its list: the text's own lines, wrapped at
// the list's width so that no part of a long line is cut off.
std::vector<std::string> linesFor(const std::string& text, int width)
{
    LineStore store;
    store.setMeasure(
        [](std::string_view glyphs) {
            return static_cast<int>(
                std::ceil(GlyphFont::get(GlyphFace::Glyf01, LineList::FontSize).width(glyphs)));
        },
        width);
    store.setText(text);
    return store.lines();
}

} // namespace

Tfrm48::Tfrm48() : Screen(Kind)
{
    const layout::SummaryLayout& L = layout::kFrm48;
    m1 = layoutImage(this, Kind, "m1", QRect(0, 0, 640, 480));
    m1->onMouseMove = [this](Control*) { m1MouseMove(); };
    List1 = new LineList(this, QStringLiteral("List1"), toRect(L.List1), kWhite, kNavy);
    for (std::size_t i = 0; i < lists.size(); ++i)
        lists[i] = new LineList(this, QStringLiteral("List%1").arg(i + 2), toRect(L.List[i]),
                                kWhite, kNavy);
    m2 = layoutImage(this, Kind, "m2", toRect(L.l1));
    l1 = hotSpot(this, "l1", toRect(L.l1), 2);
    l1->onClick = [this](Control*) { l1Click(); };
    l1->onDoubleClick = [this](Control*) { l1Click(); };
    l1->onMouseMove = [this](Control*) { l1MouseMove(); };
    closeHover_ = HoverPicture::raised(state().closeHover, m2, l1);
}

Tfrm48::~Tfrm48() = default;

void Tfrm48::FormCreate()
{
    closeHover_.putAway();
    const Tfrm42* opener = Tfrm42::instance;
    if (!opener || !opener->question())
        return;
    const Question& q = *opener->question();
    List1->setLines(q.questionBox().lines());
    for (int t = 1; t <= 3; ++t) {
        const CategoryText& c = q.category(t);
        LineList* list = lists[static_cast<std::size_t>(t - 1)];
        if (!c.nothing)
            list->setLines(linesFor(c.shown, list->width() - ListWidthMargin));
    }
}

// The question and the three categories' texts, as the page shows them.
std::string Tfrm48::copyGlyphs() const
{
    std::string text;
    for (const LineList* list : {List1, lists[0], lists[1], lists[2]})
        for (const std::string& line : list->lines())
            text = ClipboardText::titled(text, line);
    return text;
}

void Tfrm48::l1Click()
{
    release();
}

void Tfrm48::l1MouseMove()
{
    closeHover_.enter();
}

void Tfrm48::m1MouseMove()
{
    closeHover_.leave();
}

void Tfrm48::FormMouseMove()
{
    m1MouseMove();
}

} // namespace ovta
