// Driving the search dialog from a screen test: it runs its own modal loop,
// so the test's body runs inside that loop once the dialog is up.
#pragma once

#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "search/search_dialog.h"

namespace ovta::test {

// Runs `open`, which opens the dialog and returns when it is closed; while
// the dialog is open, runs `body` with it, then closes it unless the body did.
inline void whileSearchDialogOpen(const std::function<void()>& open,
                                  const std::function<void(Tsear*)>& body)
{
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        QPointer<Tsear> dialog = Tsear::instance;
        ASSERT_TRUE(dialog);
        body(dialog);
        if (dialog && dialog->isVisible())
            dialog->Label1Click();
    });
    open();
    EXPECT_TRUE(ran);
}

inline void typeInSearch(Tsear* d, const char* keys) { QTest::keyClicks(d->me1, keys); }
inline void pressSearch(Tsear* d) { QTest::mouseClick(d->Label2, Qt::LeftButton); }

}  // namespace ovta::test
