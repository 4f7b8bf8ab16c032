// The hover look of a picture hot spot. A flag of the screen kind (it may
// outlive the screen) says whether the hover look is on; the pointer over
// the hot spot puts it on once, the pointer over the screen's background
// takes it off once. Two looks exist:
// - a raised picture: a picture kept behind the background is brought in
//   front (and the hot spot, where it is a separate area, in front of it);
// - a picture file swap: the hot spot's own picture is loaded from the
//   hover file and later from the normal file of the content.
#pragma once

#include <QPointer>
#include <set>
#include <string>

class QWidget;

namespace ovta {

class ImageControl;

class HoverPicture {
public:
    enum class Order {
        LoadThenFlag, // a picture that fails to load leaves the flag off
        FlagThenLoad, // the flag is on even if the picture fails to load
    };

    // `picture` comes in front of the background while hovered; `hotSpot`,
    // when given, is kept in front of it.
    static HoverPicture raised(int& flag, ImageControl* picture, QWidget* hotSpot = nullptr);
    // `picture` shows `hoverFile` while hovered and `normalFile` after.
    static HoverPicture swapped(int& flag, ImageControl* picture, std::string hoverFile,
                                std::string normalFile, Order order = Order::LoadThenFlag);

    HoverPicture() = default;

    // The pointer is over the hot spot.
    void enter();
    // The pointer is over the background (or the keys moved elsewhere).
    void leave();
    // The normal look without asking the flag (a raised picture is sent
    // behind the background at creation).
    void putAway();

    bool on() const { return flag_ && *flag_ != 0; }

private:
    // Loads the file into the picture; false, with nothing done, for a file
    // that failed to load before (it was reported then).
    bool load(const std::string& file);

    int* flag_ = nullptr;
    QPointer<ImageControl> picture_;
    QPointer<QWidget> hotSpot_;
    std::string hoverFile_;
    std::string normalFile_;
    Order order_ = Order::LoadThenFlag;
    std::set<std::string> failed_;
};

} // namespace ovta
