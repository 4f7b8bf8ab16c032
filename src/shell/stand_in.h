// A plain screen that stands in for a screen kind this version does not
// have yet: it names the kind and the shared values it was opened with, and
// Esc (or a click on its close mark) leaves it.
#pragma once

#include <QPointer>
#include <string>

#include "shell/screen.h"

namespace ovta {

class TStandIn : public Screen {
    Q_OBJECT

public:
    static constexpr const char* Kind = "standin";
    static inline QPointer<TStandIn> instance;

    TStandIn(const std::string& kind, bool modal);

    void FormKeyDown(int key) override;
    void FormClick() override;
    void leave();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool keepsOwnSize() const override { return modal_; }
    bool setsCaption() const override { return !modal_; }

private:
    bool modal_;
    QString details_;
};

// Opens the stand-in for `kind` by the usual opening steps (modal for the
// dialogs).
void openStandIn(const std::string& kind, bool modal = false);

}  // namespace ovta
