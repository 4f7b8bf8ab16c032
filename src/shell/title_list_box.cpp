#include "shell/title_list_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "shell/error_report.h"
#include "shell/reading_keys.h"
#include "shell/screen.h"

namespace ovta {

namespace {
constexpr int kScrollWidth = 15;
}

TitleListBox::TitleListBox(QWidget* parent, const QString& name, const QRect& geometry,
                           int itemHeight, const QColor& background)
    : Control(parent, name, geometry), itemHeight_(itemHeight), background_(background)
{
    setFocusPolicy(Qt::StrongFocus);
    scroll_ = new QScrollBar(Qt::Vertical, this);
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->hide();
    connect(scroll_, &QScrollBar::valueChanged, this, [this] { update(); });
    updateScrollBar();
}

void TitleListBox::clear()
{
    items_.clear();
    selected_ = -1;
    updateScrollBar();
    update();
}

void TitleListBox::addItem(Item item)
{
    items_.push_back(std::move(item));
    updateScrollBar();
    update();
}

void TitleListBox::setItemIndex(int index)
{
    selected_ = (index >= 0 && index < count()) ? index : -1;
    if (selected_ >= 0) {
        const int visible = std::max(1, height() / itemHeight_);
        if (selected_ < scroll_->value())
            scroll_->setValue(selected_);
        else if (selected_ >= scroll_->value() + visible)
            scroll_->setValue(selected_ - visible + 1);
    }
    update();
}

int TitleListBox::topIndex() const
{
    return scroll_->isVisible() ? scroll_->value() : 0;
}

bool TitleListBox::scrollBarShown() const
{
    return !scroll_->isHidden();
}

void TitleListBox::updateScrollBar()
{
    const int visible = std::max(1, height() / itemHeight_);
    const bool needed = count() * itemHeight_ > height();
    scroll_->setGeometry(scrollLeft_ ? 0 : width() - kScrollWidth, 0, kScrollWidth, height());
    scroll_->setRange(0, std::max(0, count() - visible));
    scroll_->setPageStep(visible);
    if (!needed)
        scroll_->setValue(0);
    scroll_->setVisible(needed);
}

void TitleListBox::setScrollBarOnLeft(bool left)
{
    scrollLeft_ = left;
    updateScrollBar();
    update();
}

QRect TitleListBox::itemArea() const
{
    if (!scrollBarShown())
        return rect();
    return scrollLeft_ ? rect().adjusted(kScrollWidth, 0, 0, 0)
                       : rect().adjusted(0, 0, -kScrollWidth, 0);
}

void TitleListBox::resizeEvent(QResizeEvent*)
{
    updateScrollBar();
}

void TitleListBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), background_);
    const int top = topIndex();
    for (int i = top; i < count(); ++i) {
        const QRect area = itemArea();
        const QRect r(area.left(), (i - top) * itemHeight_, area.width(), itemHeight_);
        if (r.top() >= height())
            break;
        p.save();
        p.setClipRect(r);
        if (onDrawItem)
            onDrawItem(p, i, r, i == selected_);
        p.restore();
    }
}

int TitleListBox::itemAt(QPoint at) const
{
    const QRect area = itemArea();
    if (at.x() < area.left() || at.x() > area.right() || at.y() < 0)
        return -1;
    const int i = topIndex() + at.y() / itemHeight_;
    return i < count() ? i : -1;
}

void TitleListBox::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    const int at = itemAt(event->position().toPoint());
    if (at >= 0)
        setItemIndex(at);
    click();
}

void TitleListBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int at = itemAt(event->position().toPoint());
    if (at >= 0)
        setItemIndex(at);
    if (onDoubleClick)
        guard([this] { onDoubleClick(this); });
}

void TitleListBox::wheelEvent(QWheelEvent* event)
{
    if (scrollBarShown())
        scroll_->setValue(scroll_->value() - event->angleDelta().y() / 120);
}

void TitleListBox::keyPressEvent(QKeyEvent* event)
{
    const int key = virtualKey(event->key());
    const KeyMove move = ReadingKeys::move(key);
    const bool listKey = move == KeyMove::Up || move == KeyMove::Down || move == KeyMove::PageUp ||
                         move == KeyMove::PageDown || move == KeyMove::Home || move == KeyMove::End;
    if (listKey && count() > 0) {
        // A page keeps one row of the old window in view, as list boxes do.
        const int page = std::max(1, height() / itemHeight_) - 1;
        const int next = ReadingKeys::select(selected_, count(), move, page);
        // A selection moved by the keys counts as a click, as in any list box.
        const bool moved = next != selected_;
        setItemIndex(next);
        if (moved)
            click();
        return;
    }
    forwardKey(event, key, onKeyDown);
}

} // namespace ovta
