// A frame shape: a rectangle outline in one pen colour, no fill, disabled,
// so the pointer goes through it to whatever lies below.
#pragma once

#include <QColor>
#include <QWidget>

namespace ovta {

class FrameShape : public QWidget {
    Q_OBJECT

public:
    FrameShape(QWidget* parent, const QString& name, const QRect& geometry, const QColor& pen);

    const QColor& pen() const { return pen_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor pen_;
};

} // namespace ovta
