// firstflc: the intro. It plays "data1\kenor.avi" in a 320x240 panel over a
// still picture; when the video reaches its end, or the user skips it with a
// click, Esc or Enter, it releases itself and shows the main menu.
#pragma once

#include <QPointer>
#include <memory>

#include "shell/controls.h"
#include "shell/media_player.h"
#include "shell/screen.h"
#include "shell/timer.h"

namespace ovta {

class Tfirstflc : public Screen {
    Q_OBJECT

public:
    static constexpr const char* Kind = "firstflc";
    static inline QPointer<Tfirstflc> instance;

    Tfirstflc();
    ~Tfirstflc() override;

    ImageControl* Image1;
    PanelControl* p1;
    std::unique_ptr<MediaPlayer> med1;
    Timer* Timer1;

    void FormCreate() override;
    void FormKeyDown(int key) override;
    void FormClick() override { Image1Click(); }
    void Timer1Timer();
    void Image1Click();

    int tickCounter() const { return tickCounter_; }

protected:
    bool setsCaption() const override { return false; }

private:
    void leave();

    int tickCounter_ = 0;
    bool skipped_ = false;
    bool left_ = false;
};

}  // namespace ovta
