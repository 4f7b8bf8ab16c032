// fabout: the about screen. A band of pictures pans in a frame at the top,
// the credit lines of "data\kenor001" pass slowly upwards through five slots,
// and an exit picture (or Esc) leaves it. Both timers run for the screen's
// whole life: it has no deactivation handler.
#pragma once

#include <QPointer>
#include <array>

#include "store/index_list.h"
#include "sections/credit_scroller.h"
#include "shell/controls.h"
#include "shell/hover_picture.h"
#include "shell/screen.h"
#include "shell/sprite_strip.h"
#include "shell/timer.h"

namespace ovta {

class Tfabout : public Screen {
    Q_OBJECT

public:
    static constexpr const char* Kind = "fabout";
    static inline QPointer<Tfabout> instance;

    Tfabout();
    ~Tfabout() override;

    ImageControl* Image1; // background
    LabelControl* pan;    // the band's target
    LabelControl* Label1; // exit area
    ImageControl* Image2; // exit highlight and exit hot spot
    ImageControl* m1;     // hidden: the band's strip
    PanelControl* Panel4; // frame of the credit lines
    std::array<LabelControl*, CreditScroller::Slots> creditSlots{}; // Label2 .. Label6
    IndexList ls1;                                                  // the credit lines
    Timer* Timer1;                                                  // credit scroller
    Timer* Timer2;                                                  // band

    void FormCreate() override;
    void FormActivate() override;
    void FormKeyDown(int key) override;

    void Timer1Timer();
    void Timer2Timer();
    void Label1MouseMove();
    void Image1MouseMove();
    void Image2Click();

    const SpriteAnimation& band() const { return band_; }

    // Module-level state of the kind.
    struct State {
        int hoverFlag = 0;
        CreditScroller scroller;
    };
    static State& state();

private:
    QPixmap strip_;
    HoverPicture exitHover_;
    SpriteAnimation band_{230, 25};
};

}  // namespace ovta
