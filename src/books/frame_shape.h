// A shape control drawn as a rectangular frame (the question screen's red
// frame round the category button under the pointer). It takes no mouse
// events: the pointer reaches what lies under it.
#pragma once

#include <QColor>
#include <QWidget>

namespace ovta {

class FrameShape : public QWidget {
    Q_OBJECT

public:
    FrameShape(QWidget* parent, const QString& name, const QRect& geometry, const QColor& pen,
               int penWidth);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor pen_;
    int penWidth_;
};

} // namespace ovta
