// The one design of the nine section homes: a panorama that pans behind a
// set of square picture hot spots, a tall help hot spot at the top-left and
// the exit at the bottom-left. Each kind (Tfrm01 ... Tfrm81) supplies only
// its row of the settings table and its module-level state.
#pragma once

#include <QPixmap>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "sections/home_settings.h"
#include "shell/controls.h"
#include "shell/hover_picture.h"
#include "shell/keyboard_nav.h"
#include "shell/screen.h"
#include "shell/sprite_painter.h"
#include "shell/sprite_strip.h"
#include "shell/timer.h"

namespace ovta {

// What outlives one home instance: the keyboard position (reset by every
// creation) and the exit hover flag (never reset).
struct HomeState {
    int keyPosition = 0;
    int exitHover = 0;
};

class SectionHome : public Screen {
    Q_OBJECT

public:
    SectionHome(const char* kind, HomeState& state);
    ~SectionHome() override;

    const HomeSettings& settings() const { return settings_; }

    ImageControl* m1;     // hidden: holds the panorama strip
    PanelControl* Panel3; // the exit's panel
    ImageControl* Image5; // the exit
    Timer* Timer1;        // the panorama

    // Hot-spot panels and pictures by layout name; nullptr for other names.
    PanelControl* panel(std::string_view name) const;
    ImageControl* image(std::string_view name) const;

    const SpriteAnimation& panorama() const { return panorama_; }
    // The panorama as the screen shows it now; a null image before the
    // first tick.
    QImage shownPanorama() const;

    void FormCreate() override;
    void FormActivate() override;
    void FormDeactivate() override;
    void FormHide() override;
    void FormKeyDown(int key) override;
    void FormMouseMove() override;

    void Timer1Timer();
    // Shared by every hot spot but the exit: sets its global, opens its screen.
    void hotSpotClick(Control* sender);
    void Image5Click();
    void Image5MouseMove();
    void Image2MouseMove(Control* sender);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void addHotSpot(const HomeHotSpot& spot, const QPixmap& picture);

    const HomeSettings& settings_;
    HomeState& state_;
    SpriteAnimation panorama_{25, 10};
    SpriteCells panoramaCells_;
    std::unique_ptr<KeyboardNav> nav_;
    HoverPicture exitHover_;
    std::map<std::string, PanelControl*, std::less<>> panels_;
    std::map<std::string, ImageControl*, std::less<>> images_;
    std::map<std::string, ImageControl*, std::less<>> imageInPanel_;
    std::map<const Control*, const HomeHotSpot*> spots_;
};

}  // namespace ovta
