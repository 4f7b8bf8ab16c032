// Drawing one tick of a sprite-strip animation: the one place where the
// slices of a strip picture are copied onto a target, for the main menu's
// section labels, the section homes' panoramas and the about screen's band.
#pragma once

#include <QPixmap>

#include "shell/sprite_strip.h"

namespace ovta {

// Steps `animation` one tick and copies the slices it shows from `strip`
// onto `target`, plain pixels over plain pixels; what falls outside the
// target is clipped. The caller repaints the widget that shows the target.
void drawSpriteTick(SpriteAnimation& animation, const QPixmap& strip, QPixmap& target);

}  // namespace ovta
