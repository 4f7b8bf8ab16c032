// A label that shows glyph text of several lines (CR LF separated), each
// on its own row, right-aligned, unwrapped and clipped at the label's
// edges: the text label of the article readers.
#pragma once

#include <QColor>
#include <string>
#include <string_view>
#include <vector>

#include "shell/controls.h"

namespace ovta {

class GlyphTextBox : public LabelControl {
    Q_OBJECT

public:
    GlyphTextBox(QWidget* parent, const QString& name, const QRect& geometry, GlyphFace face,
                 int pointSize, const QColor& color, int rowHeight);

    // The whole text, as the pager put it together.
    void setText(std::string text);
    const std::string& text() const { return text_; }
    // The rows as they are drawn.
    const std::vector<std::string>& rows() const { return rows_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    GlyphFace face_;
    int pointSize_;
    QColor color_;
    int rowHeight_;
    std::string text_;
    std::vector<std::string> rows_;
};

} // namespace ovta
