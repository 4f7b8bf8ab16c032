#include "shell/glyph_chooser.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "shell/error_report.h"
#include "shell/screen.h"

namespace ovta {

// The open list: a layer over the whole screen, so that a click anywhere
// off the entries closes it as a toolkit drop-down does.
class GlyphChooserList : public QWidget {
public:
    GlyphChooserList(GlyphChooser* chooser, QWidget* screen) : QWidget(screen), chooser_(chooser)
    {
        setGeometry(screen->rect());
        setMouseTracking(true);
        const QRect at = chooser->geometry();
        const int rows = std::max(1, chooser->count());
        box_ = QRect(at.left(), at.bottom() + 1, at.width(), rows * GlyphChooser::RowHeight + 4);
        if (box_.bottom() > height())
            box_.moveBottom(at.top() - 1);
        raise();
        show();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(box_.translated(3, 4), QColor(0, 0, 0, 90));
        p.fillRect(box_, QColor(252, 246, 226));
        p.setPen(QPen(QColor(150, 112, 30), 1));
        p.drawRect(box_.adjusted(0, 0, -1, -1));
        const GlyphFont& font = GlyphFont::get(chooser_->face_, chooser_->pointSize_);
        for (int i = 0; i < chooser_->count(); ++i) {
            const QRect row = rowRect(i);
            const bool lit = i == hover_;
            if (lit)
                p.fillRect(row, QColor(212, 170, 62));
            p.setPen(lit ? QColor(12, 29, 72) : chooser_->textColor_);
            font.drawAligned(p, QRectF(row.adjusted(4, 2, -6, 0)), chooser_->item(i),
                             Qt::AlignRight);
        }
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        const int at = rowAt(event->position().toPoint());
        if (at != hover_) {
            hover_ = at;
            update();
        }
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        const int at = rowAt(event->position().toPoint());
        GlyphChooser* chooser = chooser_;
        chooser->closeUp();
        if (at >= 0 && event->button() == Qt::LeftButton)
            chooser->choose(at);
    }

private:
    QRect rowRect(int i) const
    {
        return QRect(box_.left() + 2, box_.top() + 2 + i * GlyphChooser::RowHeight,
                     box_.width() - 4, GlyphChooser::RowHeight);
    }
    int rowAt(QPoint p) const
    {
        for (int i = 0; i < chooser_->count(); ++i)
            if (rowRect(i).contains(p))
                return i;
        return -1;
    }

    GlyphChooser* chooser_;
    QRect box_;
    int hover_ = -1;
};

GlyphChooser::GlyphChooser(QWidget* parent, const QString& name, const QRect& geometry,
                           GlyphFace face, int pointSize, const QColor& textColor)
    : Control(parent, name, geometry), face_(face), pointSize_(pointSize), textColor_(textColor)
{
    setFocusPolicy(Qt::StrongFocus);
    setPointer(-1);
}

GlyphChooser::~GlyphChooser()
{
    delete list_;
}

void GlyphChooser::clear()
{
    closeUp();
    items_.clear();
    index_ = -1;
    update();
}

void GlyphChooser::addItem(std::string glyphs)
{
    items_.push_back(std::move(glyphs));
}

void GlyphChooser::setText(std::string glyphs)
{
    text_ = std::move(glyphs);
    update();
}

void GlyphChooser::choose(int index)
{
    if (index < 0 || index >= count())
        return;
    index_ = index;
    text_ = items_[static_cast<std::size_t>(index)];
    update();
    if (onChange)
        guard([this] { onChange(this); });
    click();
}

void GlyphChooser::dropDown()
{
    if (list_ || !parentWidget())
        return;
    list_ = new GlyphChooserList(this, parentWidget());
}

void GlyphChooser::closeUp()
{
    if (!list_)
        return;
    list_->hide();
    list_->deleteLater();
    list_ = nullptr;
}

void GlyphChooser::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(120, 86, 22), 1));
    p.setBrush(QColor(252, 246, 226));
    p.drawRect(all);
    // The drop-down button at the left edge.
    const QRectF button(1, 1, ButtonWidth - 1, height() - 2);
    QLinearGradient metal(button.topLeft(), button.bottomLeft());
    metal.setColorAt(0, QColor(250, 226, 140));
    metal.setColorAt(0.5, QColor(212, 170, 62));
    metal.setColorAt(1, QColor(120, 86, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    p.drawRect(button);
    QPainterPath arrow;
    const QPointF c = button.center();
    arrow.moveTo(c.x() - 4.5, c.y() - 2.5);
    arrow.lineTo(c.x() + 4.5, c.y() - 2.5);
    arrow.lineTo(c.x(), c.y() + 3.5);
    arrow.closeSubpath();
    p.setBrush(QColor(12, 29, 72));
    p.drawPath(arrow);
    p.setPen(textColor_);
    const QRectF box = QRectF(rect()).adjusted(ButtonWidth + 3, 3, -4, 0);
    p.setClipRect(box);
    GlyphFont::get(face_, pointSize_).drawAligned(p, box, text_, Qt::AlignRight);
}

void GlyphChooser::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    if (list_)
        closeUp();
    else
        dropDown();
}

void GlyphChooser::keyPressEvent(QKeyEvent* event)
{
    const int key = virtualKey(event->key());
    if (key == 38 || key == 40) {
        closeUp();
        const int next = index_ < 0 ? 0 : index_ + (key == 38 ? -1 : 1);
        if (next >= 0 && next < count() && next != index_)
            choose(next);
        return;
    }
    if (key == 27 && list_) {
        closeUp();
        return;
    }
    forwardKey(event, key, onKeyDown);
}

} // namespace ovta
