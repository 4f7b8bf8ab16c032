#include "sections/credits_dialog.h"

#include "shell/layout_picture.h"
#include "shell/screen_open.h"
#include "shell/screen_registry.h"

namespace ovta {
namespace {

const bool registered = registerScreen(Tfrm22::Kind, [] { openModal<Tfrm22>(); });

}  // namespace

Tfrm22::Tfrm22() : Screen(Kind)
{
    resize(349, 268);
    // One pixel taller and wider than the dialog, and a pixel above its top.
    Image1 = new ImageControl(this, QStringLiteral("Image1"), QRect(0, -1, 350, 270));
    Image1->setPicture(layoutPicture(QStringLiteral("frm22"), QStringLiteral("Image1")));
    Image1->setPointer(2);
    Image1->onClick = [this](Control*) { Image1Click(); };
}

void Tfrm22::Image1Click()
{
    closeModal();
}

void Tfrm22::FormKeyDown(int key)
{
    if (key == 27)
        closeModal();
}

}  // namespace ovta
