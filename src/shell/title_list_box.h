// A list box whose items the screen draws itself (the topic index's list
// of titles with their icons): fixed item height, a vertical scroll bar
// when the items do not fit, a selected item, double click and keys.
#pragma once

#include <QPixmap>
#include <QRect>
#include <functional>
#include <string>
#include <vector>

#include "shell/controls.h"

class QScrollBar;

namespace ovta {

class TitleListBox : public Control {
    Q_OBJECT

public:
    TitleListBox(QWidget* parent, const QString& name, const QRect& geometry, int itemHeight,
                 const QColor& background);

    struct Item {
        std::string text; // glyph text
        QPixmap icon;     // may be null
    };

    void clear();
    void addItem(Item item);
    int count() const { return static_cast<int>(items_.size()); }
    const Item& item(int index) const { return items_.at(static_cast<std::size_t>(index)); }

    // -1 when nothing is selected.
    int itemIndex() const { return selected_; }
    void setItemIndex(int index);
    int topIndex() const;
    bool scrollBarShown() const;

    const QColor& background() const { return background_; }

    // Lists read right to left keep their scroll bar at the left edge.
    void setScrollBarOnLeft(bool left);

    // Draws item `index` into `rect` (list coordinates); `selected` tells
    // the selected item, which the toolkit fills in its highlight colour.
    std::function<void(QPainter&, int index, const QRect& rect, bool selected)> onDrawItem;
    std::function<void(int key)> onKeyDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateScrollBar();
    int itemAt(QPoint p) const;
    // The items' part of the list, beside the scroll bar when it shows.
    QRect itemArea() const;

    int itemHeight_;
    QColor background_;
    std::vector<Item> items_;
    int selected_ = -1;
    bool scrollLeft_ = false;
    QScrollBar* scroll_;
};

} // namespace ovta
