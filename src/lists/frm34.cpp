#include "lists/frm34.h"

#include "lists/list_files.h"

#include <exception>

#include "shell/layout_picture.h"
#include "store/content_dir.h"

namespace ovta {
namespace {

const bool registered = registerKinds<Tfrm34>();

// Image2 .. Image8 carry the categories 4, 3, 2, 1 (upper row, left to
// right) and 7, 6, 5 (lower row, left to right).
constexpr int kCategoryOf[7] = {4, 3, 2, 1, 7, 6, 5};

} // namespace

Tfrm34::Tfrm34() : TwoPaneScreen(twoPaneSettings(Kind), state())
{
    const layout::Box& panel = layout::kFrm34.categories;
    Image1 = layoutImage(this, Kind, "Image1", toRect(panel));
    Image1->sendToBack();
    for (std::size_t k = 0; k < categories.size(); ++k) {
        const int tag = kCategoryOf[k];
        auto* spot = new ImageControl(this, QStringLiteral("Image%1").arg(k + 2),
                                      toRect(layout::frm34Category(tag)));
        spot->Tag = tag;
        spot->setPointer(2);
        spot->onClick = [this, spot](Control*) { Image2Click(spot); };
        categories[k] = spot;
    }
}

std::vector<Control*> Tfrm34::extraTargets() const
{
    return {categories.begin(), categories.end()};
}

void Tfrm34::loadOnShow()
{
    Image1->sendToBack();
    const ContentDir& dir = ContentDir::current();
    index_ = IndexList::load(dir, kFrm34Files.index);
    titles_ = DataFile::open(dir, kFrm34Files.titles);
    texts_ = DataFile::open(dir, kFrm34Files.texts);
    listFilled();
}

void Tfrm34::Image2Click(ImageControl* hotSpot)
{
    if (chosen_)
        chosen_->setPicture({});
    hotSpot->showPartOf(*Image1);
    chosen_ = hotSpot;

    // The list shows what it could read before a failing record.
    titleList().clear();
    std::exception_ptr failure;
    try {
        titleList().scanCategory(index_, titles_, hotSpot->Tag);
    } catch (...) {
        failure = std::current_exception();
    }
    listFilled();
    if (failure)
        std::rethrow_exception(failure);
}

std::string Tfrm34::rowText(int tag) const
{
    return categoryText(index_, texts_, tag);
}

} // namespace ovta
