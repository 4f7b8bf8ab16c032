// A panel drawn as a field sunk into the screen: its own colour with a grey
// line along the top and left edges and a white one along the bottom and
// right (the search box's field).
#pragma once

#include "shell/controls.h"

namespace ovta {

class LoweredPanel : public PanelControl {
    Q_OBJECT

public:
    LoweredPanel(QWidget* parent, const QString& name, const QRect& geometry,
                 const QColor& color = Qt::white);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};

} // namespace ovta
