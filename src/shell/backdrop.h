// Form6: the black backdrop, the program's one native window. It covers
// the desktop, takes no input of its own, holds every screen as a child,
// and on first showing starts the intro.
#pragma once

#include <QWidget>
#include <functional>

namespace ovta {

class TForm6 : public QWidget {
    Q_OBJECT

public:
    TForm6();

    // Full screen <-> maximised window (F11).
    void toggleFullScreen();

    // Runs once, when the backdrop is first shown.
    std::function<void()> onFirstActivate;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool activatedOnce_ = false;
};

}  // namespace ovta
