// A pointer the platform never moves: its position is only what was set
// last, as on a platform that ignores pointer moves. Every move is kept.
#pragma once

#include <QPoint>
#include <memory>
#include <vector>

#include "shell/pointer.h"

namespace ovta::test {

class FakePointer : public Pointer {
public:
    QPoint pos() const override { return at; }
    void setPos(const QPoint& desktop) override
    {
        at = desktop;
        moves.push_back(desktop);
    }
    QPoint at{-100, -100};
    std::vector<QPoint> moves;
};

// Puts a fake in place of the system pointer until the object goes.
class FakePointerScope {
public:
    FakePointerScope()
    {
        auto fake = std::make_unique<FakePointer>();
        fake_ = fake.get();
        setPointer(std::move(fake));
    }
    ~FakePointerScope() { setPointer(nullptr); }
    FakePointerScope(const FakePointerScope&) = delete;
    FakePointerScope& operator=(const FakePointerScope&) = delete;

    FakePointer* get() const { return fake_; }

private:
    FakePointer* fake_;
};

}  // namespace ovta::test
