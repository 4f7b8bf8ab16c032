#include "pages/frm62.h"

#include <algorithm>
#include <cstdint>

#include "pages/page_layout.h"
#include "pages/zone_steps.h"
#include "shell/frame_shape.h"
#include "shell/layout_picture.h"
#include "shell/trace.h"

namespace ovta {
namespace {

const bool registered = registerKinds<Tfrm62>();

const QColor kAqua(0, 255, 255);
const QColor kRed(255, 0, 0);
constexpr int kHand = 2;

} // namespace

Tfrm62::Tfrm62() : Screen(Kind)
{
    const layout::PageViewLayout& L = layout::kFrm62;
    m1 = new ImageControl(this, QStringLiteral("m1"), toRect(L.picture));
    m1->setStretch(true);
    // Opaque: a page that cannot be shown leaves a blank page, not the
    // index showing through under the bar.
    QPalette blank = m1->palette();
    blank.setColor(QPalette::Window, Qt::black);
    m1->setPalette(blank);
    m1->setAutoFillBackground(true);

    m2 = new MouseImage(this, QStringLiteral("m2"), toRect(L.picture));
    m2->setPicture(layoutPicture(QLatin1String(Kind), QStringLiteral("m2")));
    m2->onMouseMove = [this](Control*) { m2MouseMove(m2->at()); };
    m2->onMouseDown = [this](Control*) { m2MouseDown(m2->at()); };

    shp1 = new FrameShape(this, QStringLiteral("shp1"),
                          QRect(0, L.frameHiddenTop, L.frameWidth, L.frameHeight), kRed);

    p1 = new PanelControl(this, QStringLiteral("p1"), toRect(L.bar), kAqua);
    p1->hide();
    mg1 = barPicture("mg1", QRect(QPoint(0, 0), toRect(L.bar).size()));
    mg2 = barPicture("mg2", toRect(L.previousChapter));
    mg2->setToolTip(QStringLiteral("سورة سابقة"));
    mg5 = barPicture("mg5", toRect(L.nextChapter));
    mg3 = barPicture("mg3", toRect(L.previousPage));
    mg4 = barPicture("mg4", toRect(L.nextPage));

    lg6 = hotSpot(p1, "lg6", toRect(L.back), kHand);
    lg6->onClick = [this](Control*) { lg6Click(); };
    lg2 = hotSpot(p1, "lg2", toRect(L.previousChapter), kHand);
    lg2->onClick = [this](Control*) { lg2Click(); };
    lg5 = hotSpot(p1, "lg5", toRect(L.nextChapter), kHand);
    lg5->onClick = [this](Control*) { lg5Click(); };
    lg3 = hotSpot(p1, "lg3", toRect(L.previousPage), kHand);
    lg3->onClick = [this](Control*) { lg3Click(); };
    lg4 = hotSpot(p1, "lg4", toRect(L.nextPage), kHand);
    lg4->onClick = [this](Control*) { lg4Click(); };
    lg7 = hotSpot(p1, "lg7", toRect(L.close), kHand);
    lg7->onClick = [this](Control*) { lg7Click(); };
    bindPressed(lg2, mg2);
    bindPressed(lg5, mg5);
    bindPressed(lg3, mg3);
    bindPressed(lg4, mg4);
}

ImageControl* Tfrm62::barPicture(const char* name, QRect place)
{
    return layoutImage(p1, Kind, name, place);
}

void Tfrm62::bindPressed(LabelControl* button, ImageControl* pressed)
{
    button->onMouseDown = [pressed](Control*) { pressed->bringToFront(); };
    button->onMouseUp = [pressed](Control*) { pressed->sendToBack(); };
}

void Tfrm62::FormCreate()
{
    state().position.reset();
    for (ImageControl* pressed : {mg2, mg3, mg4, mg5})
        pressed->sendToBack();
    m1->sendToBack();
    state().chapters.load(ContentDir::current());
}

void Tfrm62::FormKeyDown(int key)
{
    if (key == 27)
        lg7Click();
    else if (p1->isVisibleTo(this))
        pageKey(key);
    else
        indexKey(key);
}

// On the index the arrows move the frame from zone to zone as the pointer
// would, and Enter opens the framed chapter.
void Tfrm62::indexKey(int key)
{
    const KeyMove move = ReadingKeys::move(key);
    if (move == KeyMove::Enter) {
        if (keyZone_ != 0)
            openZone(keyZone_);
        return;
    }
    if (move == KeyMove::None || move == KeyMove::PageUp || move == KeyMove::PageDown)
        return;
    // The first arrow frames the chapter shown last.
    const bool first = keyZone_ == 0 && move != KeyMove::Home && move != KeyMove::End;
    const int k = first ? std::clamp(position().chapter(), 0, chapters().count())
                        : ZoneSteps::next(chapters(), keyZone_, move);
    if (k == 0)
        return;
    keyZone_ = k;
    frameZone(k);
}

// On a page the bar's buttons by their place: the next page lies to the
// left, as the pages of the work turn.
void Tfrm62::pageKey(int key)
{
    switch (ReadingKeys::move(key)) {
    case KeyMove::Left:
    case KeyMove::PageDown: lg4Click(); break;
    case KeyMove::Right:
    case KeyMove::PageUp: lg3Click(); break;
    case KeyMove::Down: lg5Click(); break;
    case KeyMove::Up: lg2Click(); break;
    case KeyMove::Home:
        if (chapters().count() > 0 && position().page() != chapters().firstPage(1))
            openZone(1);
        break;
    case KeyMove::End: {
        // Bounded: a damaged first page may lie far below the first page.
        bool moved = false;
        for (int i = 0;
             i <= (PagePosition::kLastPage - PagePosition::kFirstPage) / PagePosition::kStep &&
             state().position.nextPage(chapters());
             ++i)
            moved = true;
        if (moved)
            showPage();
        break;
    }
    default:
        if (key == 8) // Backspace: back to the index
            lg6Click();
        break;
    }
}

void Tfrm62::m2MouseMove(QPoint at)
{
    if (hoverRunning_)
        return;
    hoverRunning_ = true;
    frameZone(chapters().zoneAt(at.x(), at.y()));
    hoverRunning_ = false;
}

void Tfrm62::frameZone(int k)
{
    const layout::PageViewLayout& L = layout::kFrm62;
    if (k != 0) {
        const ZoneRect zone = chapters().zone(k);
        // Edges from a damaged list may lie as far apart as the numbers go:
        // the frame takes no place or size a widget cannot have.
        auto sane = [](std::int64_t v) {
            return static_cast<int>(std::clamp<std::int64_t>(v, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        };
        shp1->setGeometry(sane(zone.left), sane(zone.top), shp1->width(),
                          sane(std::int64_t{zone.bottom} - zone.top));
        m2->setPointer(kHand);
    } else {
        shp1->move(shp1->x(), L.frameHiddenTop);
        m2->setPointer(0);
    }
}

void Tfrm62::m2MouseDown(QPoint at)
{
    const int k = chapters().zoneAt(at.x(), at.y());
    if (k != 0)
        openZone(k);
}

void Tfrm62::openZone(int k)
{
    keyZone_ = k;
    state().position.openChapter(chapters(), k);
    // The page view comes up before the picture is read, so that a page
    // that cannot be shown still leaves the bar to page on with.
    p1->show();
    m2->sendToBack();
    shp1->lower();
    showPage();
}

void Tfrm62::showPage()
{
    const PagePosition& at = position();
    if (trace::enabled())
        trace::line("page frm62 page=" + std::to_string(at.page()) +
                    " chapter=" + std::to_string(at.chapter()));
    m1->bringToFront();
    p1->raise(); // the bar is a window of its own: it stays over the pictures
    try {
        m1->loadPicture(pagePictureName(at.page()));
    } catch (...) {
        // No picture of another page under this page's number.
        m1->setPicture(QPixmap());
        throw;
    }
}

void Tfrm62::lg2Click()
{
    if (state().position.previousChapter(chapters()))
        showPage();
}

void Tfrm62::lg5Click()
{
    if (state().position.nextChapter(chapters()))
        showPage();
}

void Tfrm62::lg3Click()
{
    if (state().position.previousPage(chapters()))
        showPage();
}

void Tfrm62::lg4Click()
{
    if (state().position.nextPage(chapters()))
        showPage();
}

void Tfrm62::lg6Click()
{
    m1->sendToBack();
    p1->hide();
    m2->bringToFront();
    shp1->raise();
}

void Tfrm62::lg7Click()
{
    release();
}

} // namespace ovta
