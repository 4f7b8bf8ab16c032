#include "lists/frm47.h"

#include <QPainter>
#include <exception>

#include "lists/list_layout.h"
#include "shell/clipboard_text.h"
#include "shell/globals.h"
#include "shell/layout_picture.h"
#include "shell/trace.h"
#include "store/content_dir.h"

namespace ovta {
namespace {

const bool registered = registerKinds<Tfrm47>();

constexpr const char* kSearchHover = "data1\\kenorb2.bmp";
constexpr const char* kSearchNormal = "data1\\kenorb1.bmp";
constexpr int kPixels = -19;
const QColor kListBack(246, 236, 206);
const QColor kSelectedBack(26, 58, 130);
const QColor kNavy(0, 0, 128);

// Right-aligned, 25 pixels in from the list's right edge.
void drawEntry(QPainter& painter, const TitleListBox& list, const std::string& text,
               const QRect& rect, bool selected, GlyphFace face, const QColor& color)
{
    painter.fillRect(rect, selected ? kSelectedBack : list.background());
    const GlyphFont& font = GlyphFont::get(face, kPixels);
    const qreal x = rect.left() + list.width() - font.width(text) - 25;
    painter.setPen(selected ? QColor(Qt::white) : color);
    font.draw(painter, QPointF(x, rect.top() + font.ascent()), text);
}

} // namespace

Tfrm47::Tfrm47() : Screen(Kind), state_(state())
{
    const layout::EntryListLayout& L = layout::kFrm47;
    m1 = layoutImage(this, Kind, "m1", QRect(0, 0, 640, 480));
    m1->onMouseMove = [this](Control*) { m1MouseMove(); };

    LS1 = new TitleListBox(this, QStringLiteral("LS1"), toRect(L.list), L.itemHeight, kListBack);
    LS1->setPointer(2);
    LS1->onDrawItem = [this](QPainter& p, int i, const QRect& r, bool selected) {
        LS1DrawItem(p, i, r, selected);
    };
    LS1->onClick = [this](Control*) { LS1Click(); };
    LS1->onKeyDown = [this](int key) { FormKeyDown(key); };

    List1 =
        new TitleListBox(this, QStringLiteral("List1"), toRect(L.lines), L.lineHeight, kListBack);
    List1->onDrawItem = [this](QPainter& p, int i, const QRect& r, bool selected) {
        List1DrawItem(p, i, r, selected);
    };
    List1->onKeyDown = [this](int key) { FormKeyDown(key); };

    Image1 = layoutImage(this, Kind, "Image1", toRect(L.search));
    Image1->setPointer(2);
    Image1->onClick = [this](Control*) { Image1Click(); };
    Image1->onMouseMove = [this](Control*) { Image1MouseMove(); };
    searchHover_ = HoverPicture::swapped(state_.searchHover, Image1, kSearchHover, kSearchNormal);

    m2 = layoutImage(this, Kind, "m2", toRect(L.close));
    l1 = hotSpot(this, "l1", toRect(L.close), 2);
    l1->setToolTip(QStringLiteral("خروج"));
    l1->onClick = [this](Control*) { l1Click(); };
    l1->onMouseMove = [this](Control*) { l1MouseMove(); };
    closeHover_ = HoverPicture::raised(state_.closeHover, m2, l1);

    setSearchHost(47, this);
}

Tfrm47::~Tfrm47() = default;

void Tfrm47::FormCreate()
{
    closeHover_.putAway();
    // Whatever fails, the list shows what it could read before the error
    // is reported.
    std::exception_ptr failure;
    try {
        const ContentDir& dir = ContentDir::current();
        index_ = IndexList::load(dir, "data\\1kenor41");
        const DataFile titles = DataFile::open(dir, "data\\kenor42");
        texts_ = DataFile::open(dir, "data\\kenor43");
        entries_.scan(index_, titles);
    } catch (...) {
        failure = std::current_exception();
    }
    for (const std::string& title : entries_.titles())
        LS1->addItem({title, {}});
    if (failure)
        std::rethrow_exception(failure);
}

void Tfrm47::FormActivate()
{
    LS1->setItemIndex(-1);
    LS1->setFocus(Qt::OtherFocusReason);
}

void Tfrm47::LS1DrawItem(QPainter& painter, int index, const QRect& rect, bool selected)
{
    drawEntry(painter, *LS1, LS1->item(index).text, rect, selected, GlyphFace::Glyf01, Qt::blue);
}

void Tfrm47::List1DrawItem(QPainter& painter, int index, const QRect& rect, bool selected)
{
    drawEntry(painter, *List1, List1->item(index).text, rect, selected, GlyphFace::Glyf02, kNavy);
}

void Tfrm47::LS1Click()
{
    const int k = LS1->itemIndex();
    if (k < 0)
        return;
    std::vector<std::string> lines = textLines(entryText(index_, texts_, k));
    List1->clear();
    for (std::string& line : lines)
        List1->addItem({std::move(line), {}});
    if (trace::enabled())
        trace::line("open text frm47 record=" + std::to_string(k) +
                    " lines=" + std::to_string(List1->count()));
}

void Tfrm47::selectAndOpen(int row)
{
    LS1->setItemIndex(row);
    LS1Click();
}

void Tfrm47::m1MouseMove()
{
    closeHover_.leave();
    searchHover_.leave();
}

void Tfrm47::l1MouseMove()
{
    closeHover_.enter();
}

void Tfrm47::l1Click()
{
    release();
}

void Tfrm47::Image1MouseMove()
{
    searchHover_.enter();
}

void Tfrm47::Image1Click()
{
    globals().SearchSource = 47;
    openKind("sear");
    repaint();
}

std::string Tfrm47::copyGlyphs() const
{
    const int k = LS1->itemIndex();
    if (k < 0)
        return {};
    std::string text;
    for (int i = 0; i < List1->count(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += List1->item(i).text;
    }
    return ClipboardText::titled(LS1->item(k).text, text);
}

void Tfrm47::FormKeyDown(int key)
{
    if (key == 27)
        l1->click();
}

} // namespace ovta
