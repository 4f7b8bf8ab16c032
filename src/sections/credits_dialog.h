// frm22: the credits dialog, one picture shown modally over the main menu
// at its own size; a click on it or Esc closes it.
#pragma once

#include <QPointer>

#include "shell/controls.h"
#include "shell/screen.h"

namespace ovta {

class Tfrm22 : public Screen {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm22";
    static inline QPointer<Tfrm22> instance;

    Tfrm22();

    ImageControl* Image1;

    void FormKeyDown(int key) override;
    void Image1Click();
    // A dialog: a close from the window system is taken.
    void systemClose() override { closeModal(); }

protected:
    bool keepsOwnSize() const override { return true; }
    bool setsCaption() const override { return false; }
};

}  // namespace ovta
