// Opening a screen, always in the same steps: the opener has set the shared
// globals; the screen is created with no owner and stored in its kind's
// slot (its creation handler runs and may read the globals); then it is
// shown on top and repainted at once.
#pragma once

#include <QPointer>
#include <string>

#include "shell/error_report.h"
#include "shell/globals.h"
#include "shell/screen.h"
#include "shell/trace.h"

namespace ovta {

void traceOpen(const char* kind);

template <class T>
T* createScreen()
{
    traceOpen(T::Kind);
    auto* screen = new T();
    T::instance = screen;
    guard([screen] { screen->FormCreate(); });
    return screen;
}

template <class T>
T* openScreen()
{
    T* screen = createScreen<T>();
    screen->showScreen();
    return screen;
}

// Shown modally: returns when the screen has closed.
template <class T>
void openModal()
{
    QPointer<T> screen = createScreen<T>();
    screen->showModal();
    if (screen)
        screen->deleteLater();
}

}  // namespace ovta
