#include "sections/overview.h"

#include "shell/layout_picture.h"
#include "shell/screen_open.h"
#include "shell/screen_registry.h"

namespace ovta {
namespace {

const bool registered = registerScreen(Tfrm24::Kind, [] { openScreen<Tfrm24>(); });

QPixmap art(const char* name)
{
    return layoutPicture(QStringLiteral("frm24"), QLatin1String(name));
}

}  // namespace

Tfrm24::Tfrm24() : Screen(Kind)
{
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    m1 = new ImageControl(this, QStringLiteral("m1"), QRect(0, 0, 640, 480));
    m1->setPicture(art("m1"));
    m1->onMouseMove = [this](Control*) { m1MouseMove(); };
    l1 = new LabelControl(this, QStringLiteral("l1"), QRect(14, 394, 69, 62));
    l1->setTransparent(true);
    l1->setPointer(2);
    l1->onMouseMove = [this](Control*) { l1MouseMove(); };
    m2 = new ImageControl(this, QStringLiteral("m2"), QRect(15, 400, 64, 64));
    m2->setPicture(art("m2"));
    m2->setPointer(2);
    for (Control* exit : {static_cast<Control*>(l1), static_cast<Control*>(m2)}) {
        exit->onClick = [this](Control*) { l1Click(); };
        exit->onDoubleClick = [this](Control*) { l1Click(); };
    }
}

void Tfrm24::FormShow()
{
    m2->sendToBack();
}

// No flag here: every move repeats the change of order.
void Tfrm24::l1MouseMove()
{
    m2->bringToFront();
}

void Tfrm24::m1MouseMove()
{
    m2->sendToBack();
}

void Tfrm24::l1Click()
{
    release();
}

void Tfrm24::FormKeyDown(int key)
{
    if (key == 27)
        l1Click();
}

}  // namespace ovta
