#include "lists/frm33.h"

#include <QPainter>
#include <exception>

#include "books/caption_wrap.h"
#include "lists/list_layout.h"
#include "lists/two_pane_titles.h"
#include "shell/clipboard_text.h"
#include "shell/globals.h"
#include "shell/layout_picture.h"
#include "shell/trace.h"
#include "store/content_dir.h"

namespace ovta {
namespace {

const bool registered = registerKinds<Tfrm33>();

constexpr GlyphFace kFace = GlyphFace::Glyf02; // the bold face
constexpr int kPixels = -19;
constexpr int kTextRows = 7;
const QColor kListBack(246, 236, 206);
const QColor kSelectedBack(26, 58, 130);

int glyphWidth(std::string_view s)
{
    return qRound(GlyphFont::get(kFace, kPixels).width(s));
}

} // namespace

Tfrm33::Tfrm33()
    : Screen(Kind), state_(state()), textPager_(Pager::pane(kTextRows, kTextRows, kTextRows - 1)),
      repeat_(this, state_.RepeatCode)
{
    const layout::BlockListLayout& L = layout::kFrm33;
    m1 = layoutImage(this, Kind, "m1", QRect(0, 0, 640, 480));
    m1->onMouseMove = [this](Control*) { m1MouseMove(); };

    Label1 = new LabelControl(this, QStringLiteral("Label1"), toRect(L.heading));
    Label1->setTransparent(true);

    me1 = new TitleListBox(this, QStringLiteral("me1"), toRect(L.list), L.itemHeight, kListBack);
    me1->onDrawItem = [this](QPainter& p, int i, const QRect& r, bool selected) {
        me1DrawItem(p, i, r, selected);
    };
    me1->onClick = [this](Control*) { me1Click(); };
    me1->onKeyDown = [this](int key) { FormKeyDown(key); };

    lcap = new GlyphTextBox(this, QStringLiteral("lcap"), toRect(L.caption), kFace, kPixels,
                            Qt::black, 25);
    lmtn = new GlyphTextBox(this, QStringLiteral("lmtn"), toRect(L.text), kFace, kPixels, Qt::blue,
                            L.textRowHeight);
    // The lines are wrapped in the pane's own font at its width, less the
    // blanks put around a line and the one a wrapped line keeps at its end,
    // so that none runs past the pane's edge.
    me3_.setMeasure(glyphWidth, L.text.w - 3 * glyphWidth(" "));

    const layout::ArrowColumn& A = L.textArrows;
    column_ = std::make_unique<PagedColumn>(this, Kind, textPager_, repeat_,
                                            ColumnArrows{"l3", "l7", "l8", "l4", A.lineUp, A.pageUp,
                                                         A.pageDown, A.lineDown, "Image1", "Image2",
                                                         1, 2},
                                            [this] { drawText(); });
    l3 = column_->lineUpSpot;
    l7 = column_->pageUpSpot;
    l8 = column_->pageDownSpot;
    l4 = column_->lineDownSpot;
    Image1 = column_->pressedUp;
    Image2 = column_->pressedDown;
    t2 = repeat_.timer();

    m2 = layoutImage(this, Kind, "m2", toRect(L.close));
    l2 = hotSpot(this, "l2", toRect(L.close), 2);
    l2->onClick = [this](Control*) { l2Click(); };
    l2->onMouseMove = [this](Control*) { l2MouseMove(); };
    closeHover_ = HoverPicture::raised(state_.closeHover, m2, l2);
}

Tfrm33::~Tfrm33() = default;

void Tfrm33::FormCreate()
{
    column_->putAwayPressed();
    closeHover_.putAway();
    // Whatever fails, the list shows what it could read before the error
    // is reported.
    std::exception_ptr failure;
    try {
        const ContentDir& dir = ContentDir::current();
        index_ = IndexList::load(dir, "data\\1kenor316");
        titles_ = DataFile::open(dir, "data\\kenor317");
        texts_ = DataFile::open(dir, "data\\kenor318");
        if (const auto block = recordBlock(globals().CurrentItem)) {
            Label1->setGlyphText(globals().titleTable.entry(block->heading), kFace, -24,
                                 QColor(255, 226, 140), Qt::AlignHCenter);
            entries_.scan(index_, titles_, *block);
        }
    } catch (...) {
        failure = std::current_exception();
    }
    for (const std::string& title : entries_.titles())
        me1->addItem({title, {}});
    if (failure)
        std::rethrow_exception(failure);
}

void Tfrm33::FormActivate()
{
    closeHover_.putAway();
    me1->setFocus(Qt::OtherFocusReason);
}

void Tfrm33::me1DrawItem(QPainter& painter, int index, const QRect& rect, bool selected)
{
    painter.fillRect(rect, selected ? kSelectedBack : me1->background());
    const GlyphFont& font = GlyphFont::get(kFace, kPixels);
    const std::string& text = me1->item(index).text;
    const qreal x = rect.left() + me1->width() - font.width(text) - 25;
    painter.setPen(selected ? Qt::white : Qt::black);
    font.draw(painter, QPointF(x, rect.top() + font.ascent()), text);
}

void Tfrm33::me1Click()
{
    const int k = me1->itemIndex();
    if (k >= 0)
        showEntry(k);
}

void Tfrm33::showEntry(int k)
{
    const int record = entries_.record(k);
    // Read first, so that a text that cannot be read leaves caption and text
    // together as they were.
    const std::string text = blockText(index_, texts_, record);
    lcap->setText(wrapPathCaption(entries_.title(k), glyphWidth, layout::kFrm33.caption.w));
    me3_.setText(text);
    textPager_.setCount(me3_.count());
    if (trace::enabled())
        trace::line("open text frm33 record=" + std::to_string(record) +
                    " lines=" + std::to_string(me3_.count()));
    drawText();
}

void Tfrm33::drawText()
{
    lmtn->setText(paneCaption(me3_.lines(), textPager_.top(), kTextRows, ""));
}

void Tfrm33::m1MouseMove()
{
    repeat_.backgroundMove();
    closeHover_.leave();
}

void Tfrm33::l2MouseMove()
{
    closeHover_.enter();
}

void Tfrm33::l2Click()
{
    release();
}

std::string Tfrm33::copyGlyphs() const
{
    const int k = me1->itemIndex();
    if (k < 0)
        return {};
    return ClipboardText::titled(me1->item(k).text, me3_.text());
}

void Tfrm33::FormKeyDown(int key)
{
    if (key == 27)
        l2->click();
}

} // namespace ovta
