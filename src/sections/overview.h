// frm24: the overview, a full-screen picture of explanatory text opened from
// the help hot spot of every section home. Its exit area lights up while the
// pointer is over it; a click, a double click or Esc leaves.
#pragma once

#include <QPointer>

#include "shell/controls.h"
#include "shell/screen.h"

namespace ovta {

class Tfrm24 : public Screen {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm24";
    static inline QPointer<Tfrm24> instance;

    Tfrm24();

    ImageControl* m1; // the overview picture
    LabelControl* l1; // exit area
    ImageControl* m2; // exit highlight

    void FormShow() override;
    void FormKeyDown(int key) override;
    void l1MouseMove();
    void m1MouseMove();
    void l1Click();

protected:
    bool setsCaption() const override { return false; }
};

}  // namespace ovta
