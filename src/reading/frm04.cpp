#include "reading/frm04.h"

#include <QPainter>
#include <cmath>
#include <exception>

#include "reading/reader_files.h"
#include "reading/reading_layout.h"
#include "shell/clipboard_text.h"
#include "shell/globals.h"
#include "shell/layout_picture.h"

namespace ovta {
namespace {

const bool registered = registerKinds<Tfrm04>();

// Repeat codes: 1 and 2 for the level-2 arrows, 3 and 4 for level 1.
constexpr int kUp2 = 1, kDown2 = 2, kUp1 = 3, kDown1 = 4;
constexpr int kHidden = 1000;
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kNavy(0, 0, 128);
const QColor kListBack(252, 246, 226);
const QColor kHighlight(212, 170, 62);
const QColor kMagnifierBack(0, 0, 128);
constexpr int kRowSize = -19;

} // namespace

QPixmap Tfrm04::icon(int kind)
{
    const char* resource = iconResource(kind);
    if (!resource)
        return {};
    return layoutPicture(QStringLiteral("icons"), QLatin1String(resource));
}

Tfrm04::Tfrm04()
    : Screen(Kind), pager1_(Pager::list(7, top1_)), pager2_(Pager::list(7, top2_)),
      repeat_(this, state().repeatDirection)
{
    const layout::TopicIndexLayout& L = layout::kFrm04;
    m1 = layoutImage(this, Kind, "m1", QRect(0, 0, 640, 480));
    m1->onMouseMove = [this](Control*) { m1MouseMove(); };

    const auto level1 =
        PagedColumn::makeRows(this, 7, "ls1", 1, [&L](int k) { return toRect(L.level1(k)); });
    const auto level2 =
        PagedColumn::makeRows(this, 7, "ls", 1, [&L](int k) { return toRect(L.level2(k)); });
    for (std::size_t k = 0; k < 7; ++k) {
        LabelControl* row1 = level1[k];
        row1->onClick = [this, row1](Control*) { ls11Click(row1); };
        rows1[k] = row1;
        LabelControl* row2 = level2[k];
        row2->onClick = [this, row2](Control*) { ls1Click(row2); };
        row2->onMouseMove = [this, row2](Control*) { Label4MouseMove(row2); };
        rows2[k] = row2;
    }
    magnifier_ = std::make_unique<Magnifier>(this, state().magnifier, L.level2Row.x,
                                             L.level2Row.h, kHidden);
    labcamov = magnifier_->label();
    labcamov->setColor(kMagnifierBack);

    column1_ = std::make_unique<PagedColumn>(
        this, Kind, pager1_, repeat_,
        ColumnArrows{"Label11", "Label13", "Label14", "Label12", L.lineUp1, L.pageUp1, L.pageDown1,
                     L.lineDown1, "Image1", "Image4", kUp1, kDown1},
        [this] { label15Click(); });
    column2_ = std::make_unique<PagedColumn>(
        this, Kind, pager2_, repeat_,
        ColumnArrows{"l3", "l7", "l8", "l4", L.lineUp2, L.pageUp2, L.pageDown2, L.lineDown2,
                     "Image2", "Image3", kUp2, kDown2},
        [this] { Label3->click(); });
    Label11 = column1_->lineUpSpot;
    Label13 = column1_->pageUpSpot;
    Label14 = column1_->pageDownSpot;
    Label12 = column1_->lineDownSpot;
    Image1 = column1_->pressedUp;
    Image4 = column1_->pressedDown;
    l3 = column2_->lineUpSpot;
    l7 = column2_->pageUpSpot;
    l8 = column2_->pageDownSpot;
    l4 = column2_->lineDownSpot;
    Image2 = column2_->pressedUp;
    Image3 = column2_->pressedDown;
    t2 = repeat_.timer();

    lst1 = new TitleListBox(this, QStringLiteral("lst1"), toRect(L.titles), 25, kListBack);
    lst1->onDrawItem = [this](QPainter& p, int i, const QRect& r, bool selected) {
        lst1DrawItem(p, i, r, selected);
    };
    lst1->onDoubleClick = [this](Control*) { lst1DblClick(); };
    lst1->onKeyDown = [this](int key) { FormKeyDown(key); };

    label15 = operationLabel(this, "label15");
    label15->onClick = [this](Control*) { label15Click(); };
    Label1 = operationLabel(this, "Label1");
    Label1->onClick = [this](Control*) { showLevel2(); };
    Label3 = operationLabel(this, "Label3");
    Label3->onClick = [this](Control*) { showLevel2(); };

    m2 = layoutImage(this, Kind, "m2", toRect(L.back));
    l2 = hotSpot(this, "l2", toRect(L.back), 2);
    l2->onClick = [this](Control*) { l2Click(); };
    l2->onMouseMove = [this](Control*) { l2MouseMove(); };
    backHover_ = HoverPicture::raised(state().backHover, m2, l2);
}

Tfrm04::~Tfrm04() = default;

void Tfrm04::FormCreate()
{
    state() = TopicIndexState{};
    column1_->putAwayPressed();
    column2_->putAwayPressed();
    backHover_.putAway();
    for (auto* rows : {&rows1, &rows2})
        for (LabelControl* row : *rows) {
            row->setTransparent(true);
            row->setGlyphText({}, GlyphFace::Glyf01, kRowSize, kYellow);
        }

    std::exception_ptr failure;
    try {
        const ContentDir& dir = ContentDir::current();
        index_.loadArticles(dir);
        loadReaderFiles(openerFiles("frm03"), dir,
                        {"data\\1kenor010", "data\\1kenor011", "data\\kenor09"});
        index_.loadSpans(dir);
        index_.loadHeadings(dir);
    } catch (...) {
        failure = std::current_exception();
    }
    pager1_.setCount(static_cast<int>(index_.level1().size()));
    label15Click();
    if (failure)
        std::rethrow_exception(failure);
}

void Tfrm04::FormShow()
{
    state().magnifier = 0;
    magnifier_->moveAway();
}

void Tfrm04::setMark(std::array<LabelControl*, 7>& rows, int& mark, int row)
{
    mark = row;
    for (int k = 0; k < 7; ++k) {
        LabelControl* r = rows[static_cast<std::size_t>(k)];
        r->setGlyphText(r->glyphText(), GlyphFace::Glyf01, kRowSize, k == mark ? kRed : kYellow);
    }
}

void Tfrm04::label15Click()
{
    const std::vector<int> shown = pager1_.window();
    std::size_t j = 0;
    for (int i : shown) {
        LabelControl* row = rows1[j++];
        row->show();
        row->setGlyphText(index_.level1()[static_cast<std::size_t>(i)], GlyphFace::Glyf01, kRowSize,
                          kYellow);
        row->Tag = i;
    }
    for (; j < rows1.size(); ++j)
        rows1[j]->hide();
    index_.clearLevel2();
    pager2_.setCount(0);
    showLevel2();
    setMark(rows1, state().mark1, -1);
}

void Tfrm04::ls11Click(LabelControl* row)
{
    const int k = static_cast<int>(std::find(rows1.begin(), rows1.end(), row) - rows1.begin());
    setMark(rows1, state().mark1, k);
    globals().CurrentItem = row->Tag;
    std::exception_ptr failure;
    try {
        index_.chooseLevel1(row->Tag);
    } catch (...) {
        failure = std::current_exception();
    }
    pager2_.setCount(static_cast<int>(index_.level2().size()));
    Label1->click();
    if (failure)
        std::rethrow_exception(failure);
}

void Tfrm04::Label1Click()
{
    showLevel2();
}

void Tfrm04::showLevel2()
{
    const std::vector<int> shown = pager2_.window();
    const auto& numbers = index_.level2Numbers();
    std::size_t j = 0;
    for (int i : shown) {
        LabelControl* row = rows2[j++];
        row->show();
        row->setGlyphText(index_.level2()[static_cast<std::size_t>(i)], GlyphFace::Glyf01, kRowSize,
                          kYellow);
        row->Tag =
            static_cast<std::size_t>(i) < numbers.size() ? numbers[static_cast<std::size_t>(i)] : 0;
    }
    for (; j < rows2.size(); ++j)
        rows2[j]->hide();
    clearTitles();
    setMark(rows2, state().mark2, -1);
}

void Tfrm04::clearTitles()
{
    index_.clearTitles();
    titleNumbers_.clear();
    lst1->clear();
}

void Tfrm04::ls1Click(LabelControl* row)
{
    const int k = static_cast<int>(std::find(rows2.begin(), rows2.end(), row) - rows2.begin());
    setMark(rows2, state().mark2, k);
    globals().CurrentItem = row->Tag;
    clearTitles();
    std::exception_ptr failure;
    try {
        index_.chooseLevel2(row->Tag);
    } catch (...) {
        failure = std::current_exception();
    }
    for (const IndexTitle& t : index_.titles()) {
        titleNumbers_.push_back(t.article);
        lst1->addItem({t.title, icon(t.icon)});
    }
    if (failure)
        std::rethrow_exception(failure);
}

void Tfrm04::lst1DrawItem(QPainter& painter, int index, const QRect& rect, bool selected)
{
    const QColor fill = selected ? kHighlight : lst1->background();
    painter.fillRect(rect, fill);
    const int margin = lst1->count() < 7 ? 0 : 15;
    const int listWidth = lst1->width();
    const TitleListBox::Item& item = lst1->item(index);
    if (!item.icon.isNull()) {
        // Pure red in an icon stands for the list's background.
        QImage picture = item.icon.toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb red = qRgb(255, 0, 0);
        for (int y = 0; y < picture.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x)
                if ((line[x] & 0xFFFFFF) == (red & 0xFFFFFF))
                    line[x] = fill.rgb();
        }
        painter.drawImage(QPoint(listWidth - margin - 29, rect.top()), picture);
    }
    const GlyphFont& font = GlyphFont::get(GlyphFace::Glyf02, kRowSize);
    const int textWidth = static_cast<int>(std::ceil(font.width(item.text)));
    painter.setPen(selected ? QColor(12, 29, 72) : kNavy);
    font.draw(painter, QPointF(listWidth - textWidth - margin - 35, rect.top() + 18), item.text);
}

void Tfrm04::lst1DblClick()
{
    const int i = lst1->itemIndex();
    if (i < 0 || i >= static_cast<int>(titleNumbers_.size()))
        return;
    Globals& g = globals();
    g.CurrentTitle = lst1->item(i).text;
    g.CurrentItem = titleNumbers_[static_cast<std::size_t>(i)];
    openKind("frm03");
}

void Tfrm04::Label4MouseMove(LabelControl* row)
{
    const int mark = state().mark2;
    const bool marked = mark >= 0 && rows2[static_cast<std::size_t>(mark)] == row;
    magnifier_->over(row, GlyphFont::get(GlyphFace::Glyf01, kRowSize),
                     {GlyphFace::Glyf01, kRowSize, marked ? kRed : kYellow, kMagnifierBack});
}

void Tfrm04::m1MouseMove()
{
    magnifier_->hide();
    repeat_.backgroundMove();
    backHover_.leave();
}

void Tfrm04::l2MouseMove()
{
    backHover_.enter();
}

void Tfrm04::l2Click()
{
    release();
}

// The title chosen in the list; else a heading row under the pointer.
std::string Tfrm04::copyGlyphs() const
{
    const int i = lst1->itemIndex();
    if (i >= 0)
        return lst1->item(i).text;
    std::string row = ClipboardText::pointedRow(this, rows2);
    return row.empty() ? ClipboardText::pointedRow(this, rows1) : row;
}

void Tfrm04::FormKeyDown(int key)
{
    if (key == 27)
        l2->click();
}

} // namespace ovta
