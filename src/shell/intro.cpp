#include "shell/intro.h"

#include <QImage>
#include <QImageReader>

#include "shell/layout_picture.h"
#include "store/errors.h"
#include "shell/main_menu.h"
#include "shell/media_factory.h"

namespace ovta {

Tfirstflc::Tfirstflc() : Screen(Kind)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    Image1 = new ImageControl(this, QStringLiteral("Image1"), QRect(0, 0, 640, 480));
    // The first picture of the run. Shown once: read past the picture
    // cache, so that it is not kept once the intro has gone. Read as what it
    // is, without asking every image plugin (loading them all) first.
    QImageReader still(layoutPictureFile(QStringLiteral("firstflc"), QStringLiteral("Image1"), "ppm"),
                       "ppm");
    still.setAutoDetectImageFormat(false);
    Image1->setPicture(QPixmap::fromImage(still.read()));
    Image1->setPointer(2);
    Image1->onClick = [this](Control*) { Image1Click(); };
    p1 = new PanelControl(this, QStringLiteral("p1"), QRect(161, 120, 320, 240));
    p1->setPointer(2);
    p1->onClick = [this](Control*) { Image1Click(); };
    med1 = createMediaPlayer();
    Timer1 = new Timer(this, 100, true, [this] { Timer1Timer(); });
}

Tfirstflc::~Tfirstflc() = default;

void Tfirstflc::FormCreate()
{
    tickCounter_ = 0;
    med1->setDisplay(p1);
}

void Tfirstflc::Timer1Timer()
{
    if (left_)
        return;
    if (tickCounter_ < 2)
        ++tickCounter_;
    if (tickCounter_ == 1) {
        // Skipped before the video opened: straight to the menu.
        if (skipped_) {
            leave();
            return;
        }
        med1->setFileName(QStringLiteral("data1\\kenor.avi"));
        try {
            med1->open();
            med1->play();
        } catch (const MediaError&) {
            // No intro to show: report once and go on to the menu.
            leave();
            throw;
        }
    }
    // A player that failed or closed part way has nothing more to show.
    if (!med1->isOpen()) {
        leave();
        return;
    }
    if (med1->position() < med1->length())
        return;
    leave();
}

void Tfirstflc::leave()
{
    left_ = true;
    Timer1->stop();
    med1->close();
    release();
    if (Tfalam1::instance) {
        Tfalam1::instance->showScreen();
    }
}

void Tfirstflc::Image1Click()
{
    if (left_)
        return;
    if (!med1->isOpen()) {
        skipped_ = true;
        return;
    }
    med1->setPosition(med1->length());
}

void Tfirstflc::FormKeyDown(int key)
{
    if (key == 27 || key == 13)
        Image1Click();
}

}  // namespace ovta
