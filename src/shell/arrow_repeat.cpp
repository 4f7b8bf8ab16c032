#include "shell/arrow_repeat.h"

#include "shell/timer.h"

namespace ovta {

ArrowRepeat::ArrowRepeat(QObject* owner, int& direction)
    : model_(direction), timer_(new Timer(owner, 100, false, [this] { tick(); }))
{
}

void ArrowRepeat::bind(int code, std::function<void()> step)
{
    steps_[code] = std::move(step);
}

bool ArrowRepeat::press(int code, bool leftButton)
{
    if (!model_.press(code, leftButton))
        return false;
    timer_->start();
    return true;
}

bool ArrowRepeat::release(bool leftButton)
{
    if (!model_.release(leftButton))
        return false;
    timer_->stop();
    return true;
}

void ArrowRepeat::tick()
{
    auto it = steps_.find(model_.tick());
    if (it != steps_.end() && it->second)
        it->second();
}

} // namespace ovta
