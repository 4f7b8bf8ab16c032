// falam1: the main menu, root of all navigation. Nine animated section
// labels open the section homes; the title area opens the credits, the
// about picture the about screen, the exit picture (and Esc) ends the run.
// It also plays the background music, looping, with an on/off icon pair.
#pragma once

#include <QPointer>
#include <array>
#include <memory>

#include "shell/controls.h"
#include "shell/hover_picture.h"
#include "shell/keyboard_nav.h"
#include "shell/media_player.h"
#include "shell/screen.h"
#include "shell/sprite_strip.h"
#include "shell/timer.h"

namespace ovta {

class Tfalam1 : public Screen {
    Q_OBJECT

public:
    static constexpr const char* Kind = "falam1";
    static inline QPointer<Tfalam1> instance;

    Tfalam1();
    ~Tfalam1() override;

    ImageControl* m1;
    LabelControl* Label1;
    ImageControl* Image5;
    ImageControl* Image1;
    ImageControl* Image2;
    LabelControl* Label2;
    LabelControl* Label3;
    LabelControl* Label4;
    std::array<ImageControl*, 9> strips{};  // m11 .. m99
    ImageControl* ms1;
    ImageControl* ms2;
    std::unique_ptr<MediaPlayer> med1;
    std::array<Timer*, 9> timers{};  // Timer1 .. Timer9
    Timer* Timer12;

    // The nine section labels, Tag 1..9.
    std::array<LabelControl*, 9> sections{};

    void FormCreate() override;
    void FormShow() override;
    void FormActivate() override;
    void FormDeactivate() override;
    void FormKeyDown(int key) override;

    void Label1Click(Control* sender);
    void Label1MouseMove(Control* sender);
    void m1MouseMove();
    void Label2MouseMove();
    void Label3MouseMove();
    void Label4MouseMove();
    void Image2Click();
    void Label2Click();
    void Image5Click();
    void ms1Click();
    void ms2Click();
    void Timer12Timer();
    // The player's word that the piece has played to its end.
    void musicFinished();
    void sectionTimer(int index);

    // The book viewer that plays its own sound suspends the music while it
    // is open and gives it back when it is left.
    void suspendMusic();
    void resumeMusic();
    // Whether ms1 is shown, the menu itself shown or not.
    bool musicOn() const { return !ms1->isHidden(); }

    // Module-level state of the kind.
    struct State {
        int aboutFlag = 0, titleFlag = 0, exitFlag = 0;
        int keyPosition = 0;
        int musicCounter = 0;
        std::array<SpriteAnimation, 9> frames{
            SpriteAnimation(25, 10), SpriteAnimation(25, 10), SpriteAnimation(25, 10),
            SpriteAnimation(25, 10), SpriteAnimation(25, 10), SpriteAnimation(25, 10),
            SpriteAnimation(25, 10), SpriteAnimation(25, 10), SpriteAnimation(25, 10)};
        bool musicGivenUp = false;
    };
    static State& state();

    // Section label Tag t: where it stands, its tick interval, what it opens.
    struct Section {
        int left, top, interval;
        const char* opens;
    };
    static const std::array<Section, 9> Sections;

private:
    void hoverCleanUp();
    void giveUpMusic();
    void loopMusic();

    std::unique_ptr<KeyboardNav> nav_;
    HoverPicture titleHover_;
    HoverPicture aboutHover_;
    HoverPicture exitHover_;
};

}  // namespace ovta
