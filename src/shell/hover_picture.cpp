#include "shell/hover_picture.h"

#include "shell/controls.h"

namespace ovta {

HoverPicture HoverPicture::raised(int& flag, ImageControl* picture, QWidget* hotSpot)
{
    HoverPicture h;
    h.flag_ = &flag;
    h.picture_ = picture;
    h.hotSpot_ = hotSpot;
    return h;
}

HoverPicture HoverPicture::swapped(int& flag, ImageControl* picture, std::string hoverFile,
                                   std::string normalFile, Order order)
{
    HoverPicture h;
    h.flag_ = &flag;
    h.picture_ = picture;
    h.hoverFile_ = std::move(hoverFile);
    h.normalFile_ = std::move(normalFile);
    h.order_ = order;
    return h;
}

void HoverPicture::enter()
{
    if (!flag_ || !picture_ || *flag_ != 0)
        return;
    if (hoverFile_.empty()) {
        picture_->bringToFront();
        if (hotSpot_)
            hotSpot_->raise();
        *flag_ = 1;
        return;
    }
    if (order_ == Order::FlagThenLoad)
        *flag_ = 1;
    if (!load(hoverFile_))
        return;
    *flag_ = 1;
}

void HoverPicture::leave()
{
    if (!flag_ || !picture_ || *flag_ != 1)
        return;
    if (hoverFile_.empty()) {
        picture_->sendToBack();
        *flag_ = 0;
        return;
    }
    if (order_ == Order::FlagThenLoad)
        *flag_ = 0;
    if (!load(normalFile_))
        return;
    *flag_ = 0;
}

bool HoverPicture::load(const std::string& file)
{
    // The flags stay as the failed load left them, so the pointer passing
    // again would try the same file again: a damaged picture is reported
    // the first time only.
    if (failed_.count(file))
        return false;
    try {
        picture_->loadPicture(file);
    } catch (...) {
        failed_.insert(file);
        throw;
    }
    return true;
}

void HoverPicture::putAway()
{
    if (picture_ && hoverFile_.empty())
        picture_->sendToBack();
}

} // namespace ovta
