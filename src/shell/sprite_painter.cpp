#include "shell/sprite_painter.h"

#include <QPainter>

namespace ovta {

void drawSpriteTick(SpriteAnimation& animation, const QPixmap& strip, QPixmap& target)
{
    const auto copies = animation.tick(strip.width(), strip.height());
    if (copies.empty() || target.isNull())
        return;
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const auto& copy : copies)
        painter.drawPixmap(QRect(copy.dstX, copy.dstY, copy.width, copy.height), strip,
                           QRect(copy.srcX, copy.srcY, copy.width, copy.height));
}

}  // namespace ovta
