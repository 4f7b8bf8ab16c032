// A list box of glyph lines for right-to-left reading: each item is one
// line of a text, drawn right-aligned in the question screens' list font.
// The question screen and its summary page show their texts in these.
#pragma once

#include <QColor>
#include <string>
#include <vector>

#include "shell/title_list_box.h"

namespace ovta {

class LineList : public TitleListBox {
    Q_OBJECT

public:
    static constexpr int ItemHeight = 23;
    static constexpr int FontSize = -19; // 19 pixels

    LineList(QWidget* parent, const QString& name, const QRect& geometry, const QColor& background,
             const QColor& ink);

    void setLines(const std::vector<std::string>& lines);
    std::vector<std::string> lines() const;

private:
    QColor ink_;
};

} // namespace ovta
