// A screen kind, declared once. Each kind (T + screen name) has a slot that
// holds its open instance (overwritten when the kind is opened again), a
// state that outlives its instances (the module-level variables of the
// kind: keyboard position, hover flags...), and its registration, by which
// other screens open it by name.
//
//   class Tfrm45 : public TopicListScreen, public ScreenKind<Tfrm45, TopicListState> {...};
//   using Tfrm13 = ReaderKind<"frm13">;   // a family member with nothing of its own
//   const bool registered = registerKinds<Tfrm45, Tfrm13>();
#pragma once

#include <QPointer>
#include <algorithm>
#include <cstddef>

#include "shell/screen_open.h"
#include "shell/screen_registry.h"

namespace ovta {

struct NoState {};

template <class T, class State = NoState>
class ScreenKind {
public:
    using KindState = State;
    static inline QPointer<T> instance;
    static State& state()
    {
        static State s;
        return s;
    }
};

// A screen name as a template argument, for families whose members differ
// only by their row of settings.
template <std::size_t N>
struct KindName {
    constexpr KindName(const char (&name)[N]) { std::copy_n(name, N, text); }
    char text[N];
};

// Registers each kind to open the usual way (non-modal, on top).
template <class... Kinds>
bool registerKinds()
{
    return (registerScreen(Kinds::Kind, [] { openScreen<Kinds>(); }) && ...);
}

// Registers each kind to open modally.
template <class... Kinds>
bool registerModalKinds()
{
    return (registerScreen(Kinds::Kind, [] { openModal<Kinds>(); }) && ...);
}

} // namespace ovta
