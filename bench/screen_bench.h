// The common ground of the screen benchmarks: an offscreen reader on the
// demo content (glyph fonts installed, title table loaded, the backdrop
// shown, errors counted and printed), and timing that prints the median and
// the worst of a number of runs. Figures are printed, never asserted.
#pragma once

#include <QApplication>
#include <filesystem>
#include <functional>
#include <memory>

class QWidget;

namespace ovta {
class TForm6;
}

namespace ovta::bench {

class ScreenBench {
public:
    ScreenBench(int& argc, char** argv);
    // On another content directory than the demo's.
    ScreenBench(int& argc, char** argv, const std::filesystem::path& content);
    ~ScreenBench();
    ScreenBench(const ScreenBench&) = delete;
    ScreenBench& operator=(const ScreenBench&) = delete;

    TForm6* backdrop() const { return backdrop_; }
    int errors() const;
    // 0 when no error was reported during the run.
    int exitCode() const { return errors() == 0 ? 0 : 1; }

private:
    struct Offscreen {
        Offscreen();
    } offscreen_;
    QApplication app_;
    TForm6* backdrop_ = nullptr;
};

// Prints the column heads of measure()'s lines.
void printHeads();
// Runs `body` `runs` times; prints the median and the worst in ms, of the
// time on the clock and of the CPU time of this thread (which a loaded
// machine does not stretch).
void measure(const char* what, int runs, const std::function<void()>& body);
// Lets queued work (releases, first activation) run.
void settle();
// Draws the screen as it would reach the display.
void draw(QWidget* screen);

}  // namespace ovta::bench
