// frm49: the book shelf. Twelve spines stand on a shelf; the spine under
// the pointer lights up, and a click opens that book in the book screen
// frm410 (CurrentItem is the spine's Tag). The shelf stays open under the
// book and takes the pointer and keys again when the book is left. Up,
// Down and Tab step through the spines and the close button, Enter clicks
// what lies under the pointer, Esc closes.
#pragma once

#include <array>
#include <memory>

#include "shell/controls.h"
#include "shell/hover_picture.h"
#include "shell/keyboard_nav.h"
#include "shell/screen.h"
#include "shell/screen_kind.h"

namespace ovta {

// Module-level state of the shelf: the keyboard position (reset by every
// creation) and the close button's hover flag.
struct ShelfState {
    int keyPosition = 0;
    int closeHover = 0;
};

class Tfrm49 : public Screen, public ScreenKind<Tfrm49, ShelfState> {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm49";
    static constexpr int SpineCount = 12;

    Tfrm49();
    ~Tfrm49() override;

    ImageControl* m1;                               // the shelf
    ImageControl* Image1;                           // the lit shelf, behind the background
    std::array<ImageControl*, SpineCount> spines{}; // Image2 .. Image13
    ImageControl* m2;                               // the lit close button
    LabelControl* l2;                               // close

    // The lit spine, or nullptr.
    ImageControl* highlighted() const { return highlighted_; }
    const KeyboardNav& nav() const { return *nav_; }

    void FormCreate() override;
    void FormActivate() override;
    void FormKeyDown(int key) override;
    void FormMouseMove() override;

    void Image2MouseMove(ImageControl* spine);
    void Image2Click(Control* sender);
    void m1MouseMove();
    void l2MouseMove();
    void l2Click();

private:
    void highlight(ImageControl* spine);

    ImageControl* highlighted_ = nullptr;
    HoverPicture closeHover_;
    std::unique_ptr<KeyboardNav> nav_;
};

} // namespace ovta
