#include "reading/frm04.h"

#include <QPainter>
#include <cmath>
#include <exception>

#include "reading/reader_files.h"
#include "shell/screen_parts.h"
#include "shell/globals.h"
#include "shell/screen_open.h"
#include "shell/screen_registry.h"

namespace ovta {
namespace {

const bool registered = registerScreen(Tfrm04::Kind, [] { openScreen<Tfrm04>(); });

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

Tfrm04::State& Tfrm04::state()
{
    static State s;
    return s;
}

QPixmap Tfrm04::icon(int kind)
{
    const char* resource = iconResource(kind);
    if (!resource)
        return {};
    return QPixmap(QStringLiteral(":/art/icons/%1.png").arg(QLatin1String(resource)));
}

Tfrm04::Tfrm04()
    : Screen(Kind), pager1_(Pager::list(7, top1_)), pager2_(Pager::list(7, top2_)),
      repeat_(state().repeatDirection)
{
    const layout::TopicIndexLayout& L = layout::kFrm04;
    m1 = layoutImage(this, Kind, "m1", QRect(0, 0, 640, 480));
    m1->onMouseMove = [this](Control*) { m1MouseMove(); };

    for (int k = 0; k < 7; ++k) {
        auto* row = hotSpot(this, "", toRect(L.level1(k)), -1);
        row->setObjectName(QStringLiteral("ls1%1").arg(k + 1));
        row->onClick = [this, row](Control*) { ls11Click(row); };
        rows1[static_cast<std::size_t>(k)] = row;
    }
    for (int k = 0; k < 7; ++k) {
        auto* row = hotSpot(this, "", toRect(L.level2(k)), -1);
        row->setObjectName(QStringLiteral("ls%1").arg(k + 1));
        row->onClick = [this, row](Control*) { ls1Click(row); };
        row->onMouseMove = [this, row](Control*) { Label4MouseMove(row); };
        rows2[static_cast<std::size_t>(k)] = row;
    }
    labcamov = new LabelControl(this, QStringLiteral("labcamov"),
                                QRect(L.level2Row.x, kHidden, 10, L.level2Row.h));
    labcamov->setColor(kMagnifierBack);
    labcamov->setTransparent(true);

    auto arrow = [this](const char* name, QRect at, const char* hint, auto onClick) {
        auto* label = mouseHotSpot(this, name, at, -1);
        label->setToolTip(QString::fromLatin1(hint));
        label->onClick = [this, onClick](Control*) { (this->*onClick)(); };
        return label;
    };
    Label11 = arrow("Label11", toRect(L.lineUp1), "line up", &Tfrm04::Label11Click);
    Label13 = arrow("Label13", toRect(L.pageUp1), "page up", &Tfrm04::Label13Click);
    Label14 = arrow("Label14", toRect(L.pageDown1), "page down", &Tfrm04::Label14Click);
    Label12 = arrow("Label12", toRect(L.lineDown1), "line down", &Tfrm04::Label12Click);
    l3 = arrow("l3", toRect(L.lineUp2), "line up", &Tfrm04::l3Click);
    l7 = arrow("l7", toRect(L.pageUp2), "page up", &Tfrm04::l7Click);
    l8 = arrow("l8", toRect(L.pageDown2), "page down", &Tfrm04::l8Click);
    l4 = arrow("l4", toRect(L.lineDown2), "line down", &Tfrm04::l4Click);
    const std::pair<MouseLabel*, int> repeating[] = {
        {Label11, kUp1}, {Label12, kDown1}, {l3, kUp2}, {l4, kDown2}};
    for (const auto& [label, code] : repeating) {
        MouseLabel* spot = label;
        const int c = code;
        spot->onMouseDown = [this, spot, c](Control*) { arrowDown(c, spot->leftButton()); };
        spot->onMouseUp = [this, spot, c](Control*) { arrowUp(c, spot->leftButton()); };
    }
    Image1 = layoutImage(this, Kind, "Image1", Label11->geometry());
    Image4 = layoutImage(this, Kind, "Image4", Label12->geometry());
    Image2 = layoutImage(this, Kind, "Image2", l3->geometry());
    Image3 = layoutImage(this, Kind, "Image3", l4->geometry());

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

    t2 = new Timer(this, 100, false, [this] { t2Timer(); });
}

void Tfrm04::FormCreate()
{
    State& s = state();
    s = State{};
    for (ImageControl* pressed : {Image1, Image2, Image3, Image4})
        pressed->sendToBack();
    m2->sendToBack();
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
    labcamov->move(labcamov->x(), kHidden);
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

void Tfrm04::Label11Click()
{
    if (pager1_.lineUp())
        label15Click();
}

void Tfrm04::Label12Click()
{
    if (pager1_.lineDown())
        label15Click();
}

void Tfrm04::Label13Click()
{
    if (pager1_.pageUp())
        label15Click();
}

void Tfrm04::Label14Click()
{
    if (pager1_.pageDown())
        label15Click();
}

void Tfrm04::l3Click()
{
    if (pager2_.lineUp())
        Label3->click();
}

void Tfrm04::l4Click()
{
    if (pager2_.lineDown())
        Label3->click();
}

void Tfrm04::l7Click()
{
    if (pager2_.pageUp())
        Label3->click();
}

void Tfrm04::l8Click()
{
    if (pager2_.pageDown())
        Label3->click();
}

ImageControl* Tfrm04::pressedPicture(int code) const
{
    switch (code) {
    case kUp2: return Image2;
    case kDown2: return Image3;
    case kUp1: return Image1;
    default: return Image4;
    }
}

void Tfrm04::arrowDown(int code, bool left)
{
    if (!repeat_.press(code, left))
        return;
    t2->start();
    pressedPicture(code)->bringToFront();
}

void Tfrm04::arrowUp(int code, bool left)
{
    if (!repeat_.release(left))
        return;
    t2->stop();
    pressedPicture(code)->sendToBack();
}

void Tfrm04::t2Timer()
{
    switch (repeat_.tick()) {
    case kUp2: l3Click(); break;
    case kDown2: l4Click(); break;
    case kUp1: Label11Click(); break;
    case kDown1: Label12Click(); break;
    default: break;
    }
}

void Tfrm04::Label4MouseMove(LabelControl* row)
{
    State& s = state();
    const GlyphFont& font = GlyphFont::get(GlyphFace::Glyf01, kRowSize);
    const std::string& caption = row->glyphText();
    if (font.width(caption) > row->width()) {
        if (row->Tag == s.magnifier)
            return;
        s.magnifier = row->Tag;
        const int width = static_cast<int>(std::ceil(font.width(caption))) + 4;
        const int mark = s.mark2;
        const bool marked = mark >= 0 && rows2[static_cast<std::size_t>(mark)] == row;
        labcamov->setTransparent(false);
        labcamov->setGlyphText(caption, GlyphFace::Glyf01, kRowSize, marked ? kRed : kYellow);
        labcamov->setGeometry(row->x() + row->width() - width, row->y(), width, row->height());
        labcamov->bringToFront();
        row->bringToFront();
        return;
    }
    // The magnifier stays where it is, emptied.
    labcamov->setGlyphText({}, GlyphFace::Glyf01, kRowSize, kYellow);
    labcamov->setTransparent(true);
    s.magnifier = 0;
}

void Tfrm04::m1MouseMove()
{
    State& s = state();
    s.magnifier = 0;
    labcamov->move(labcamov->x(), kHidden);
    labcamov->setTransparent(true);
    repeat_.backgroundMove();
    if (s.backHover) {
        s.backHover = 0;
        m2->sendToBack();
    }
}

void Tfrm04::l2MouseMove()
{
    State& s = state();
    if (s.backHover)
        return;
    s.backHover = 1;
    m2->bringToFront();
    l2->bringToFront();
}

void Tfrm04::l2Click()
{
    release();
}

void Tfrm04::FormKeyDown(int key)
{
    if (key == 27)
        l2->click();
}

} // namespace ovta
