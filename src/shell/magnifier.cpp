#include "shell/magnifier.h"

#include <cmath>

#include "shell/controls.h"

namespace ovta {

Magnifier::Magnifier(QWidget* parent, int& current, int left, int height, int hiddenTop)
    : current_(current), hiddenTop_(hiddenTop)
{
    label_ = new LabelControl(parent, QStringLiteral("labcamov"), QRect(left, hiddenTop, 10, height));
    label_->setTransparent(true);
    label_->setPointer(-1);
}

void Magnifier::over(LabelControl* row, const GlyphFont& rowFont, const MagnifierLook& look)
{
    const std::string& caption = row->glyphText();
    if (rowFont.width(caption) > row->width()) {
        if (row->Tag == current_)
            return;
        current_ = row->Tag;
        const int width =
            static_cast<int>(std::ceil(GlyphFont::get(look.face, look.size).width(caption))) + 4;
        if (look.back.isValid())
            label_->setColor(look.back);
        label_->setTransparent(false);
        label_->setGlyphText(caption, look.face, look.size, look.text, Qt::AlignRight);
        label_->setGeometry(row->x() + row->width() - width, row->y(), width, row->height());
        label_->bringToFront();
        row->bringToFront();
        return;
    }
    label_->setGlyphText({}, look.face, look.size, look.text);
    label_->setTransparent(true);
    current_ = 0;
}

void Magnifier::hide()
{
    if (current_ == 0)
        return;
    current_ = 0;
    moveAway();
    label_->setTransparent(true);
}

void Magnifier::moveAway()
{
    label_->move(label_->x(), hiddenTop_);
}

} // namespace ovta
