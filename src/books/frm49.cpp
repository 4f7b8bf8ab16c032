#include "books/frm49.h"

#include "books/shelf_layout.h"
#include "shell/globals.h"
#include "shell/layout_picture.h"
#include "shell/screen_registry.h"

namespace ovta {
namespace {

const bool registered = registerKinds<Tfrm49>();

} // namespace

Tfrm49::Tfrm49() : Screen(Kind)
{
    m1 = layoutImage(this, Kind, "m1", QRect(0, 0, 640, 480));
    m1->onMouseMove = [this](Control*) { m1MouseMove(); };
    Image1 = layoutImage(this, Kind, "Image1", toRect(layout::kShelfLit));

    std::vector<NavStop> order;
    for (std::size_t i = 0; i < layout::kShelfSpines.size(); ++i) {
        const layout::ShelfSpine& s = layout::kShelfSpines[i];
        auto* spine = new ImageControl(this, QString::fromLatin1(s.name), toRect(s.place));
        spine->Tag = s.tag;
        spine->setPointer(2);
        spine->onMouseMove = [this, spine](Control*) { Image2MouseMove(spine); };
        spine->onClick = [this](Control* sender) { Image2Click(sender); };
        spines[i] = spine;
        order.push_back({spine, spine});
    }

    m2 = layoutImage(this, Kind, "m2", toRect(layout::kShelfClose));
    l2 = hotSpot(this, "l2", toRect(layout::kShelfClose), 2);
    l2->onMouseMove = [this](Control*) { l2MouseMove(); };
    l2->onClick = [this](Control*) { l2Click(); };
    closeHover_ = HoverPicture::raised(state().closeHover, m2, l2);
    order.push_back({l2, l2});
    nav_ = std::make_unique<KeyboardNav>(this, state().keyPosition, std::move(order));
}

Tfrm49::~Tfrm49() = default;

void Tfrm49::FormCreate()
{
    state().keyPosition = 0;
    Image1->sendToBack();
    closeHover_.putAway();
}

void Tfrm49::FormActivate()
{
    closeHover_.putAway();
    state().closeHover = 0;
}

void Tfrm49::highlight(ImageControl* spine)
{
    if (spine == highlighted_)
        return;
    if (highlighted_)
        highlighted_->setPicture(QPixmap());
    highlighted_ = spine;
    if (!spine)
        return;
    spine->showPartOf(*Image1);
}

// The pointer can jump from the close button to a spine and back without
// crossing the shelf's ground (the keys move it so): what it left goes out.
void Tfrm49::Image2MouseMove(ImageControl* spine)
{
    spine->setPointer(2);
    highlight(spine);
    closeHover_.leave();
}

void Tfrm49::Image2Click(Control* sender)
{
    globals().CurrentItem = sender->Tag;
    openKind("frm410");
}

void Tfrm49::m1MouseMove()
{
    highlight(nullptr);
    closeHover_.leave();
}

void Tfrm49::FormMouseMove()
{
    m1MouseMove();
}

void Tfrm49::l2MouseMove()
{
    highlight(nullptr);
    closeHover_.enter();
}

void Tfrm49::l2Click()
{
    release();
}

void Tfrm49::FormKeyDown(int key)
{
    nav_->keyDown(key, [this] { l2Click(); }, {});
}

} // namespace ovta
