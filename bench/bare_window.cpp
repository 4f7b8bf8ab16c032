// The yardstick for the reader's start-up, memory and idle figures: a bare
// full-screen Qt window started the same way, saying on stderr when it is
// first painted.
//
// With an argument it also repaints on timers the way the reader's busiest
// screens do, filling each cell with a new colour at every tick, so that the
// bench can show what Qt itself costs for the same repaints on the machine:
//   --menu-cells  nine 130x110 cells at the main menu's nine intervals;
//   --band        one 311x102 band every 200 ms, as the about screen's.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct Cell {
    QRect place;
    int intervalMs;
    int tick = 0;
};

class BareWindow : public QWidget {
public:
    explicit BareWindow(std::vector<Cell> cells) : cells_(std::move(cells))
    {
        for (std::size_t i = 0; i < cells_.size(); ++i) {
            auto* timer = new QTimer(this);
            timer->setTimerType(Qt::PreciseTimer);
            timer->setInterval(cells_[i].intervalMs);
            connect(timer, &QTimer::timeout, this, [this, i] {
                ++cells_[i].tick;
                update(cells_[i].place);
            });
            timer->start();
        }
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        for (const QRect& r : event->region())
            painter.fillRect(r, Qt::black);
        for (const Cell& cell : cells_)
            if (event->region().intersects(cell.place))
                painter.fillRect(cell.place, QColor::fromHsv((cell.tick * 37) % 360, 200, 200));
        if (painted_)
            return;
        painted_ = true;
        std::fputs("ovta: paint bare\n", stderr);
        std::fflush(stderr);
    }

private:
    std::vector<Cell> cells_;
    bool painted_ = false;
};

std::vector<Cell> cellsFor(const char* mode)
{
    std::vector<Cell> cells;
    if (mode && std::strcmp(mode, "--menu-cells") == 0) {
        const std::array<int, 9> intervals{500, 600, 400, 500, 800, 700, 700, 800, 900};
        for (int i = 0; i < 9; ++i)
            cells.push_back({QRect(64 + (i / 3) * 205, 88 + (i % 3) * 134, 130, 110),
                             intervals[static_cast<std::size_t>(i)]});
    } else if (mode && std::strcmp(mode, "--band") == 0) {
        cells.push_back({QRect(165, 150, 311, 102), 200});
    }
    return cells;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication app(argc, argv);
    BareWindow window(cellsFor(argc > 1 ? argv[1] : nullptr));
    window.showFullScreen();
    return app.exec();
}
