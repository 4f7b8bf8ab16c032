// An option button of a dialog: a small round button that is checked by a
// click, and unchecks the other option buttons of its parent when it is.
#pragma once

#include "shell/controls.h"

namespace ovta {

class OptionButton : public Control {
    Q_OBJECT

public:
    OptionButton(QWidget* parent, const QString& name, const QRect& geometry);

    bool checked() const { return checked_; }
    void setChecked(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool checked_ = false;
};

} // namespace ovta
