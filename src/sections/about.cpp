#include "sections/about.h"

#include "store/content_dir.h"
#include "shell/layout_picture.h"
#include "shell/screen_open.h"
#include "shell/screen_registry.h"
#include "shell/sprite_painter.h"

namespace ovta {
namespace {

const bool registered = registerScreen(Tfabout::Kind, [] { openScreen<Tfabout>(); });

QPixmap art(const char* name)
{
    return layoutPicture(QLatin1String(Tfabout::Kind), QLatin1String(name));
}

// The credit slots are bold: the bold face of the glyph encoding.
constexpr GlyphFace kSlotFace = GlyphFace::Glyf02;

struct Slot {
    const char* name;
    QRect place;
};
// The lowest slots lie partly or wholly below the frame's edge, which clips them.
constexpr Slot kSlots[CreditScroller::Slots] = {
    {"Label2", {6, 3, 341, 35}},   {"Label3", {4, 38, 341, 37}},  {"Label4", {6, 72, 341, 37}},
    {"Label5", {6, 104, 341, 29}}, {"Label6", {6, 136, 341, 29}},
};

}  // namespace

Tfabout::State& Tfabout::state()
{
    static State s;
    return s;
}

Tfabout::Tfabout() : Screen(Kind)
{
    resize(640, 465);
    Image1 = new ImageControl(this, QStringLiteral("Image1"), QRect(0, 0, 640, 480));
    Image1->setPicture(art("Image1"));
    Image1->onMouseMove = [this](Control*) { Image1MouseMove(); };
    pan = new LabelControl(this, QStringLiteral("pan"), QRect(164, 44, 311, 102));
    pan->setColor(Qt::black);
    Label1 = new LabelControl(this, QStringLiteral("Label1"), QRect(48, 122, 64, 63));
    Label1->setTransparent(true);
    Label1->setPointer(2);
    Label1->onMouseMove = [this](Control*) { Label1MouseMove(); };
    Image2 = new ImageControl(this, QStringLiteral("Image2"), QRect(48, 121, 64, 64));
    Image2->setPicture(art("Image2"));
    Image2->setPointer(2);
    Image2->onClick = [this](Control*) { Image2Click(); };
    m1 = new ImageControl(this, QStringLiteral("m1"), QRect(0, 0, 2997, 100));
    m1->setPicture(art("m1"));
    m1->hide();
    Panel4 = new PanelControl(this, QStringLiteral("Panel4"), QRect(152, 272, 349, 109));
    for (int i = 0; i < CreditScroller::Slots; ++i) {
        auto* label =
            new LabelControl(Panel4, QString::fromLatin1(kSlots[i].name), kSlots[i].place);
        label->setTransparent(true);
        creditSlots[static_cast<std::size_t>(i)] = label;
    }
    exitHover_ = HoverPicture::raised(state().hoverFlag, Image2);
    Timer1 = new Timer(this, 10, false, [this] { Timer1Timer(); });
    Timer2 = new Timer(this, 100, true, [this] { Timer2Timer(); });
}

Tfabout::~Tfabout() = default;

void Tfabout::FormCreate()
{
    State& s = state();
    strip_ = m1->picture();
    Image2->sendToBack();
    s.hoverFlag = 0;
    // A missing file ends the creation here: the credits never scroll, the band runs on.
    ls1 = IndexList::load(ContentDir::current(), "data\\kenor001");
    s.scroller.reset(ls1.lineCount());
    Timer1->setInterval(10);
    Timer1->start();
}

void Tfabout::FormActivate()
{
    Timer2->setInterval(1);
    Timer2->start();
    band_.restart();
}

void Tfabout::Timer2Timer()
{
    Timer2->setInterval(200);
    pan->showSpriteTick(band_, strip_);
}

void Tfabout::Timer1Timer()
{
    Timer1->setInterval(1300);
    const auto shown = state().scroller.tick();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        LabelControl* label = creditSlots[i];
        const bool last = (i + 1 == shown.size());
        // The last slot is set in a face of its own, red; it lies below the frame's edge.
        const QColor colour = last ? QColor(Qt::red) : QColor(Qt::yellow);
        const int pixels = last ? -21 : -24;
        if (shown[i] == CreditScroller::Empty) {
            label->setGlyphText(std::string(), kSlotFace, pixels, colour, Qt::AlignHCenter);
            continue;
        }
        label->setGlyphText(ls1.line(shown[i]), kSlotFace, pixels, colour,
                            Qt::AlignHCenter);
        label->show();
    }
}

void Tfabout::Label1MouseMove()
{
    exitHover_.enter();
}

void Tfabout::Image1MouseMove()
{
    exitHover_.leave();
}

void Tfabout::Image2Click()
{
    release();
}

void Tfabout::FormKeyDown(int key)
{
    if (key == 27)
        Image2Click();
}

}  // namespace ovta
