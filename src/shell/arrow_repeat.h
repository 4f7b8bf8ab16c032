// The 100 ms auto-repeat of held line arrows. Each arrow of a screen has a
// repeat code; pressing one with the left button starts the screen's one
// repeat timer, each tick runs the step bound to the code, and the release
// stops it. The code itself lives in a variable of the screen kind (see
// AutoRepeat), so one screen can share it with its keyboard position.
#pragma once

#include <functional>
#include <map>

#include "shell/timer.h"

#include "shell/pager.h"

class QObject;

namespace ovta {

class ArrowRepeat {
public:
    ArrowRepeat(QObject* owner, int& direction);

    // What a tick with `code` does (the arrow's own click).
    void bind(int code, std::function<void()> step);

    // A press: the left button starts the repeat; returns whether it did.
    bool press(int code, bool leftButton);
    // A release: the left button stops it; returns whether it did.
    bool release(bool leftButton);
    // The pointer went over the screen's background.
    void backgroundMove() { model_.backgroundMove(); }

    void tick();

    Timer* timer() const { return timer_; }
    const AutoRepeat& model() const { return model_; }

private:
    AutoRepeat model_;
    Timer* timer_;
    std::map<int, std::function<void()>> steps_;
};

} // namespace ovta
