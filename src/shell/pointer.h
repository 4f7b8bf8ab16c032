// The mouse pointer: the program's table of pointer shapes, and placing
// and reading the pointer for keyboard navigation. Placement goes through
// an interface so tests use a fake and platforms that cannot move the
// pointer (Wayland) still navigate with a position we keep ourselves.
#pragma once

#include <QCursor>
#include <QPoint>
#include <memory>

namespace ovta {

// Loads pointer pictures 1, 2, 3... from the resources until the first one
// that is missing; returns how many were loaded.
int loadPointerShapes();
// Entry n of the table, or nullptr when it was not loaded.
const QCursor* pointerShape(int n);
int pointerShapeCount();

class Pointer {
public:
    virtual ~Pointer() = default;
    // Desktop coordinates.
    virtual QPoint pos() const = 0;
    virtual void setPos(const QPoint& desktop) = 0;
};

// The real pointer; where the platform ignores the move, the position last
// set is kept and reported until the user moves the mouse. Where no program
// may move the pointer (Wayland), it is never asked to: the kept position
// is drawn instead, with the pointer shape of what lies there.
class SystemPointer : public Pointer {
public:
    SystemPointer();
    explicit SystemPointer(bool platformMovesPointer);
    ~SystemPointer() override;

    QPoint pos() const override;
    void setPos(const QPoint& desktop) override;

private:
    bool platformMoves_;
    bool keptValid_ = false;
    QPoint kept_;
    QPoint systemAtKeep_;
};

// Whether the platform lets a program move the pointer (not on Wayland).
bool platformMovesPointer();

Pointer& pointer();
// Tests install a fake; nullptr restores the system pointer.
void setPointer(std::unique_ptr<Pointer> p);

}  // namespace ovta
