#include "shell/glyph_text_box.h"

#include <QPainter>

namespace ovta {

GlyphTextBox::GlyphTextBox(QWidget* parent, const QString& name, const QRect& geometry,
                           GlyphFace face, int pointSize, const QColor& color, int rowHeight)
    : LabelControl(parent, name, geometry), face_(face), pointSize_(pointSize), color_(color),
      rowHeight_(rowHeight)
{
    setTransparent(true);
}

void GlyphTextBox::setText(std::string text)
{
    text_ = std::move(text);
    rows_.clear();
    std::size_t start = 0;
    while (start <= text_.size()) {
        const auto end = text_.find("\r\n", start);
        rows_.push_back(
            text_.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = end + 2;
    }
    if (text_.empty())
        rows_.clear();
    update();
}

void GlyphTextBox::paintEvent(QPaintEvent* event)
{
    LabelControl::paintEvent(event);
    if (rows_.empty())
        return;
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.setPen(color_);
    const GlyphFont& font = GlyphFont::get(face_, pointSize_);
    // The rows are closer than the face's full height: its ascent leaves room
    // for stacked vowel marks that the content does not use.
    const qreal baselineInRow = rowHeight_ * 0.78;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const qreal top = static_cast<qreal>(i) * rowHeight_;
        if (top > height())
            break;
        const std::string& row = rows_[i];
        const qreal x = width() - font.width(row);
        font.draw(painter, QPointF(x, top + baselineInRow), row);
    }
}

} // namespace ovta
