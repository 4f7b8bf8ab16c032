#include "sections/section_home.h"

#include <QPaintEvent>
#include <QPainter>
#include <stdexcept>

#include "shell/globals.h"
#include "shell/layout_picture.h"
#include "shell/screen_registry.h"
#include "shell/sprite_painter.h"

namespace ovta {
namespace {

// The homes' exit pictures from the content directory.
constexpr const char* kExitHover = "data1\\kenor001.bmp";
constexpr const char* kExitNormal = "data1\\kenor002.bmp";

const QColor kGround(5, 12, 36);
const QColor kBevel(176, 136, 48);

const HomeSettings& settingsOf(const char* kind)
{
    const HomeSettings* settings = homeSettings(kind);
    if (!settings)
        throw std::logic_error(std::string("no section home settings for ") + kind);
    return *settings;
}


}  // namespace

SectionHome::SectionHome(const char* kind, HomeState& state)
    : Screen(kind), settings_(settingsOf(kind)), state_(state)
{
    resize(640, 480);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, kGround);
    setPalette(ground);

    // Hidden, the panorama's image still has a rectangle: a dead area for Enter.
    m1 = new ImageControl(this, QStringLiteral("m1"), toRect(settings_.panorama));
    m1->setPicture(layoutPicture(objectName(), QStringLiteral("m1")));
    m1->hide();

    const QString kindName = objectName();
    for (const HomeHotSpot& spot : settings_.hotSpots)
        addHotSpot(spot, layoutPicture(kindName, QLatin1String(spot.image)));
    addHotSpot(HomeExit, layoutPicture(QStringLiteral("sections"), QLatin1String(HomeExit.image)));
    Panel3 = panels_.find(HomeExit.panel)->second;
    Image5 = images_.find(HomeExit.image)->second;
    Image5->onClick = [this](Control*) { Image5Click(); };
    Image5->onMouseMove = [this](Control*) { Image5MouseMove(); };
    exitHover_ = HoverPicture::swapped(state_.exitHover, Image5, kExitHover, kExitNormal);

    std::vector<NavStop> order;
    for (const char* name : settings_.order) {
        auto it = imageInPanel_.find(name);
        if (it != imageInPanel_.end())
            order.push_back({panel(name), it->second});
    }
    nav_ = std::make_unique<KeyboardNav>(this, state_.keyPosition, std::move(order));

    // Running from creation; the first activation makes the first tick come at once.
    Timer1 = new Timer(this, 1000, true, [this] { Timer1Timer(); });
}

SectionHome::~SectionHome() = default;

void SectionHome::addHotSpot(const HomeHotSpot& spot, const QPixmap& picture)
{
    const QRect place = toRect(spot.place);
    auto* holder = new PanelControl(this, QString::fromLatin1(spot.panel), place,
                                    spot.bevel ? kBevel : QColor(Qt::black));
    const int inset = spot.bevel ? 1 : 0;
    auto* image = new ImageControl(
        holder, QString::fromLatin1(spot.image),
        QRect(inset, inset, place.width() - 2 * inset, place.height() - 2 * inset));
    image->setPicture(picture);
    image->Tag = spot.tag;
    image->setPointer(2);
    image->onClick = [this](Control* sender) { hotSpotClick(sender); };
    image->onMouseMove = [this](Control* sender) { Image2MouseMove(sender); };
    panels_[spot.panel] = holder;
    images_[spot.image] = image;
    imageInPanel_[spot.panel] = image;
    spots_[image] = &spot;
}

PanelControl* SectionHome::panel(std::string_view name) const
{
    auto it = panels_.find(name);
    return it == panels_.end() ? nullptr : it->second;
}

ImageControl* SectionHome::image(std::string_view name) const
{
    auto it = images_.find(name);
    return it == images_.end() ? nullptr : it->second;
}

void SectionHome::FormCreate()
{
    state_.keyPosition = 0;
}

void SectionHome::FormActivate()
{
    Timer1->setInterval(1);
    Timer1->start();
    panorama_.restart();
}

void SectionHome::FormDeactivate()
{
    Timer1->stop();
}

void SectionHome::FormHide()
{
    Timer1->stop();
}

void SectionHome::Timer1Timer()
{
    Timer1->setInterval(1000);
    if (!panoramaCells_.tick(panorama_, m1->picture()))
        return;
    // The panorama and its ground cover every pixel: Qt need not fill the
    // background under them first at each tick.
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    update();
}

QImage SectionHome::shownPanorama() const
{
    return panoramaCells_.empty() ? QImage() : panoramaCells_.picture(size(), kGround);
}

void SectionHome::paintEvent(QPaintEvent* event)
{
    if (panoramaCells_.empty()) {
        Screen::paintEvent(event);
        return;
    }
    QPainter painter(this);
    panoramaCells_.paint(painter, rect(), kGround, event->region());
}

void SectionHome::hotSpotClick(Control* sender)
{
    auto it = spots_.find(sender);
    if (it == spots_.end())
        return;
    const HomeHotSpot& spot = *it->second;
    if (spot.sets == HomeGlobal::CurrentItem)
        globals().CurrentItem = homeValue(spot);
    else if (spot.sets == HomeGlobal::CurrentBook)
        globals().CurrentBook = homeValue(spot);
    openKind(spot.opens);
}

void SectionHome::Image5Click()
{
    hideScreen();
    release();
}

void SectionHome::Image5MouseMove()
{
    exitHover_.enter();
}

void SectionHome::FormMouseMove()
{
    exitHover_.leave();
}

void SectionHome::Image2MouseMove(Control* sender)
{
    if (sender)
        sender->setPointer(2);
}

void SectionHome::FormKeyDown(int key)
{
    nav_->keyDown(
        key, [this] { Image5Click(); },
        [this] {
            if (state_.keyPosition != nav_->count())
                exitHover_.leave();
        });
}

}  // namespace ovta
