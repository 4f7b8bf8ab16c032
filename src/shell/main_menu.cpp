#include "shell/main_menu.h"

#include "store/content_dir.h"
#include "store/errors.h"
#include "shell/screen_registry.h"
#include "shell/application.h"
#include "shell/error_report.h"
#include "shell/globals.h"
#include "shell/layout_picture.h"
#include "shell/media_factory.h"
#include "shell/sprite_painter.h"

namespace ovta {

const std::array<Tfalam1::Section, 9> Tfalam1::Sections = {{
    {64, 88, 500, "frm41"},
    {64, 222, 600, "frm51"},
    {64, 357, 400, "frm01"},
    {267, 88, 500, "frm31"},
    {267, 222, 800, "frm21"},
    {267, 357, 700, "frm11"},
    {477, 88, 700, "frm61"},
    {477, 222, 800, "frm71"},
    {477, 357, 900, "frm81"},
}};

Tfalam1::State& Tfalam1::state()
{
    static State s;
    return s;
}

namespace {

ImageControl* image(QWidget* parent, const char* name, QRect geometry)
{
    return layoutImage(parent, Tfalam1::Kind, name, geometry);
}

}  // namespace

Tfalam1::Tfalam1() : Screen(Kind)
{
    resize(640, 461);
    m1 = image(this, "m1", QRect(0, 0, 640, 480));
    m1->onMouseMove = [this](Control*) { m1MouseMove(); };
    Label1 = new LabelControl(this, QStringLiteral("Label1"), QRect(-4, 76, 44, 16));
    Label1->hide();
    Image5 = image(this, "Image5", QRect(23, 4, 65, 64));
    Image5->setPointer(2);
    Image5->onClick = [this](Control*) { Image5Click(); };
    Image1 = image(this, "Image1", QRect(162, 0, 322, 77));
    Image1->setPointer(2);
    Image2 = image(this, "Image2", QRect(500, 0, 121, 78));
    Image2->setPointer(2);
    Image2->onClick = [this](Control*) { Image2Click(); };
    Label2 = hotSpot(this, "Label2", QRect(169, 12, 309, 63), 2);
    Label2->onClick = [this](Control*) { Label2Click(); };
    Label2->onMouseMove = [this](Control*) { Label2MouseMove(); };
    Label3 = hotSpot(this, "Label3", QRect(508, 0, 97, 75), 2);
    Label3->onMouseMove = [this](Control*) { Label3MouseMove(); };
    Label4 = hotSpot(this, "Label4", QRect(21, 3, 70, 67), 2);
    Label4->onMouseMove = [this](Control*) { Label4MouseMove(); };
    for (int i = 0; i < 9; ++i) {
        const QString name = QStringLiteral("m%1%1").arg(i + 1);
        strips[static_cast<std::size_t>(i)] =
            image(this, name.toLatin1().constData(), QRect(0, 0, 333, 100));
        strips[static_cast<std::size_t>(i)]->hide();
    }
    ms1 = image(this, "ms1", QRect(112, 8, 32, 32));
    ms1->setPointer(2);
    ms1->hide();
    ms1->onClick = [this](Control*) { ms1Click(); };
    ms2 = image(this, "ms2", QRect(112, 8, 32, 32));
    ms2->setPointer(2);
    ms2->hide();
    ms2->onClick = [this](Control*) { ms2Click(); };
    titleHover_ = HoverPicture::raised(state().titleFlag, Image1, Label2);
    aboutHover_ = HoverPicture::raised(state().aboutFlag, Image2);
    exitHover_ = HoverPicture::raised(state().exitFlag, Image5);
    med1 = createMediaPlayer();
    med1->onError([this](const QString& text) {
        giveUpMusic();
        reportError(text.toStdString());
    });
    med1->onFinished([this] { guard([this] { musicFinished(); }); });
    for (int i = 0; i < 9; ++i)
        timers[static_cast<std::size_t>(i)] = new Timer(this, 1, false, [this, i] { sectionTimer(i); });
    Timer12 = new Timer(this, 200, false, [this] { Timer12Timer(); });
}

Tfalam1::~Tfalam1() = default;

void Tfalam1::FormCreate()
{
    State& s = state();
    s.aboutFlag = s.titleFlag = s.exitFlag = 0;
    s.keyPosition = 0;
    s.musicCounter = 0;
    s.musicGivenUp = false;
    Image1->sendToBack();
    Image2->sendToBack();
    Image5->sendToBack();
    for (auto& frame : s.frames)
        frame.setFrame(25);
    for (int t = 1; t <= 9; ++t) {
        const Section& at = Sections[static_cast<std::size_t>(t - 1)];
        auto* label = new LabelControl(this, QStringLiteral("section%1").arg(t),
                                       QRect(at.left, at.top, 131, 100));
        label->Tag = t;
        label->setColor(QColor(10, 22, 56));
        label->setPointer(2);
        label->onClick = [this](Control* sender) { Label1Click(sender); };
        label->onMouseMove = [this](Control* sender) { Label1MouseMove(sender); };
        label->show();
        label->bringToFront();
        sections[static_cast<std::size_t>(t - 1)] = label;
    }
    std::vector<NavStop> order{{Image5, Image5}, {Label2, Label2}, {Image2, Image2}};
    for (auto* label : sections)
        order.push_back({label, label});
    nav_ = std::make_unique<KeyboardNav>(this, s.keyPosition, std::move(order));
    globals().titleTable.load(ContentDir::current());
}

void Tfalam1::FormShow()
{
    Timer12->start();
}

void Tfalam1::FormActivate()
{
    State& s = state();
    for (int i = 0; i < 9; ++i) {
        timers[static_cast<std::size_t>(i)]->setInterval(1);
        timers[static_cast<std::size_t>(i)]->start();
        s.frames[static_cast<std::size_t>(i)].setFrame(25);
    }
}

void Tfalam1::FormDeactivate()
{
    for (Timer* timer : timers)
        timer->stop();
}

void Tfalam1::sectionTimer(int index)
{
    const auto i = static_cast<std::size_t>(index);
    timers[i]->setInterval(Sections[i].interval);
    LabelControl* target = sections[i];
    if (!target)
        return;
    target->showSpriteTick(state().frames[i], strips[i]->picture());
}

void Tfalam1::Label1Click(Control* sender)
{
    const int tag = sender ? sender->Tag : 0;
    if (tag < 1 || tag > 9)
        return;
    openKind(Sections[static_cast<std::size_t>(tag - 1)].opens);
}

void Tfalam1::hoverCleanUp()
{
    exitHover_.leave();
    aboutHover_.leave();
    titleHover_.leave();
}

void Tfalam1::Label1MouseMove(Control*) { hoverCleanUp(); }

void Tfalam1::m1MouseMove() { hoverCleanUp(); }

void Tfalam1::Label2MouseMove() { titleHover_.enter(); }

void Tfalam1::Label3MouseMove() { aboutHover_.enter(); }

void Tfalam1::Label4MouseMove() { exitHover_.enter(); }

void Tfalam1::Image2Click() { openKind("fabout"); }

void Tfalam1::Label2Click() { openKind("frm22"); }

void Tfalam1::Image5Click() { requestTerminate(); }

void Tfalam1::ms1Click()
{
    ms1->hide();
    ms2->show();
    med1->pause();
}

void Tfalam1::ms2Click()
{
    ms2->hide();
    ms1->show();
    med1->resume();
    // A piece that reached its end just as it was paused cannot resume:
    // the next tick finds it at the end and starts it again.
    if (!state().musicGivenUp)
        Timer12->start();
}

void Tfalam1::giveUpMusic()
{
    state().musicGivenUp = true;
    Timer12->stop();
    med1->close();
    ms1->hide();
    ms2->hide();
}

void Tfalam1::Timer12Timer()
{
    State& s = state();
    if (s.musicGivenUp)
        return;
    if (s.musicCounter < 3)
        ++s.musicCounter;
    if (s.musicCounter == 2) {
        med1->setFileName(QStringLiteral("data1\\kenor.wav"));
        try {
            med1->open();
            med1->play();
        } catch (const MediaError&) {
            // No music to play: say so once, then leave the icons hidden.
            giveUpMusic();
            throw;
        }
        ms1->show();
    }
    if (s.musicCounter < 3)
        return;
    // From the third tick on the player says when the piece ends
    // (musicFinished()): one look in case it ended unheard (before this
    // tick, or while paused or suspended), then the timer sleeps until the
    // music is resumed.
    Timer12->stop();
    if (musicOn() && med1->isOpen() && med1->position() == med1->length())
        loopMusic();
}

void Tfalam1::loopMusic()
{
    med1->setPosition(0);
    med1->play();
}

void Tfalam1::musicFinished()
{
    if (state().musicGivenUp || !musicOn() || !med1->isOpen())
        return;
    loopMusic();
}

void Tfalam1::suspendMusic()
{
    Timer12->stop();
    med1->close();
}

void Tfalam1::resumeMusic()
{
    if (state().musicGivenUp)
        return;
    med1->setFileName(QStringLiteral("data1\\kenor.wav"));
    try {
        med1->open();
        if (musicOn())
            med1->play();
    } catch (const MediaError&) {
        giveUpMusic();
        throw;
    }
    Timer12->start();
}

void Tfalam1::FormKeyDown(int key)
{
    if (!nav_)
        return;
    nav_->keyDown(key, [this] { Image5Click(); },
                  [this] {
                      // Whatever the key, a hover the keys moved away from goes out.
                      const int at = state().keyPosition;
                      if (at != 1)
                          exitHover_.leave();
                      if (at != 2)
                          titleHover_.leave();
                      if (at != 3)
                          aboutHover_.leave();
                  });
}

}  // namespace ovta
