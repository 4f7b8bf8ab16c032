#include "books/line_list.h"

#include <QPainter>

#include "shell/glyph_text.h"

namespace ovta {
namespace {

constexpr int kRightMargin = 6;

} // namespace

LineList::LineList(QWidget* parent, const QString& name, const QRect& geometry,
                   const QColor& background, const QColor& ink)
    : TitleListBox(parent, name, geometry, ItemHeight, background), ink_(ink)
{
    setFocusPolicy(Qt::NoFocus);
    setScrollBarOnLeft(true);
    onDrawItem = [this](QPainter& p, int index, const QRect& r, bool) {
        p.setPen(ink_);
        GlyphFont::get(GlyphFace::Glyf01, FontSize)
            .drawAligned(p, QRectF(r.adjusted(0, 0, -kRightMargin, 0)), item(index).text,
                         Qt::AlignRight);
    };
}

void LineList::setLines(const std::vector<std::string>& lines)
{
    clear();
    for (const std::string& line : lines)
        addItem({line, {}});
}

std::vector<std::string> LineList::lines() const
{
    std::vector<std::string> out;
    for (int i = 0; i < count(); ++i)
        out.push_back(item(i).text);
    return out;
}

} // namespace ovta
