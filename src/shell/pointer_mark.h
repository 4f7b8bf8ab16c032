// The pointer drawn by the program where the platform does not let it move
// the real one (Wayland): keyboard navigation still shows where it stands,
// with the pointer shape of the control there. The mark goes as soon as the
// user moves the mouse.
#pragma once

#include <QCursor>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

namespace ovta {

class PointerMark : public QWidget {
    Q_OBJECT

public:
    // Shows the mark at a desktop point over the program's window.
    static void showAt(const QPoint& desktop);
    static void hideMark();
    // The mark while one is shown, for tests.
    static PointerMark* shown();

    // Where the pointer's hot spot stands, in the window's coordinates.
    QPoint hotSpotAt() const { return pos() + hotSpot_; }
    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit PointerMark(QWidget* window);
    void place(const QPoint& local);

    QPixmap picture_;
    QPoint hotSpot_;
};

}  // namespace ovta
