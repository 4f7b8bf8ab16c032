// A shape control drawn as a rectangular frame in one pen colour, without
// fill (the page viewer's frame round the zone under the pointer, the
// question screen's red frame round a category button). It takes no mouse
// events: the pointer reaches what lies under it.
#pragma once

#include <QColor>
#include <QWidget>

namespace ovta {

class FrameShape : public QWidget {
    Q_OBJECT

public:
    FrameShape(QWidget* parent, const QString& name, const QRect& geometry, const QColor& pen,
               int penWidth = 1);

    const QColor& pen() const { return pen_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor pen_;
    int penWidth_;
};

} // namespace ovta
