// The window that four arrows move over a long text or a long list: line
// up, line down, page up, page down. A page move keeps one row of the old
// window in view.
//
// Two presentations share it. The text pager of the article readers shows
// nine lines; its last top is N - 9, never below 0. A list pager fills R row
// labels; its last top L is N - R - 1 and may be negative, and the largest
// top it reaches is L + 1 = N - R. The two differ in their bounds checks
// too, so each move below says which rule it follows.
//
// The window top of the reading screens lives outside the pager: the topic
// lists share one top for every list screen (`ListTop`), which the search
// dialog moves as well. A pane pager (the book screens' content panes) is a
// text pager that keeps its own top and has its last top and page step
// apart from its rows: the article-run pane shows nine lines yet stops
// where six are left and pages by five.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ovta {

class Pager {
public:
    enum class Style { Text, List, OpenList };

    static constexpr int TextRows = 9;

    // The nine-line text pager, with its top kept in `top`.
    static Pager text(int& top) { return Pager(Style::Text, TextRows, top); }
    // A list pager of `rows` rows, with its top kept in `top`.
    static Pager list(int rows, int& top) { return Pager(Style::List, rows, top); }
    // A list pager of `rows` rows whose last top is N - R: it reaches
    // N - R + 1, so its last window holds R - 1 entries, and its page down
    // goes on until it stands where its line down stops (the two-pane
    // readers' title lists).
    static Pager openList(int rows, int& top) { return Pager(Style::OpenList, rows, top); }
    // A text pager with its own top: last top = max(0, N - lastBase), page
    // step `step`.
    static Pager pane(int rows, int lastBase, int step) { return Pager(rows, lastBase, step); }

    Pager(Style style, int rows, int& top);
    Pager(const Pager& other);
    Pager& operator=(const Pager& other);

    // New content of `count` entries: the window goes back to the top.
    void setCount(int count);

    Style style() const { return style_; }
    int count() const { return count_; }
    int rows() const { return rows_; }
    int step() const { return step_; }
    int top() const { return *top_; }
    int last() const { return last_; }

    // Sets the top without any bound (the letter index and the thumb of the
    // alphabetical list jump there directly).
    void setTop(int top) { *top_ = top; }

    // Each move returns false when "nothing happens" (the caller then does
    // not redraw); true when it moved the top and the window is to be shown.
    bool lineUp();
    bool lineDown();
    bool pageUp();
    bool pageDown();

    // Entry indexes in view, top row first: T .. T + R - 1, those inside
    // 0 .. N - 1.
    std::vector<int> window() const;

private:
    Pager(int rows, int lastBase, int step);

    Style style_;
    int rows_;
    int lastBase_; // last top = N - lastBase (floored at 0 for text)
    int step_;
    int ownTop_ = 0;
    int* top_; // &ownTop_ for a pane pager
    int count_ = 0;
    int last_ = 0;
};

// The lines of a text as the text pager shows them: CR LF separated, no
// empty last line, each cut to its first 4096 characters. Views into `text`.
std::vector<std::string_view> pagedLines(std::string_view text);

// The text label's string for the window of `pager` over `lines`: the first
// line as it is, each following one after CR LF and two spaces.
std::string textWindow(const Pager& pager, const std::vector<std::string_view>& lines);

// Auto-repeat of the line arrows while the left mouse button is held on
// one. The direction is a code the screen gives each arrow (1 up, 2 down;
// the topic index adds 3 and 4 for its second pager). It is a variable of
// the screen kind, which one topic list shares with its keyboard position.
class AutoRepeat {
public:
    explicit AutoRepeat(int& direction) : direction_(&direction) {}

    // A press on an arrow: only the left button starts the repeat; returns
    // whether it did (the screen then starts its timer and shows the arrow
    // pressed). The press itself does not move.
    bool press(int code, bool leftButton);
    // A release: only the left button stops the repeat; the direction keeps
    // its value. Returns whether it stopped it.
    bool release(bool leftButton);

    bool running() const { return running_; }
    int direction() const { return *direction_; }

    // What one tick of the timer performs: the direction's code while the
    // repeat runs, otherwise 0.
    int tick() const { return running_ ? *direction_ : 0; }

    // The pointer went over the screen's background.
    void backgroundMove() { *direction_ = 0; }

private:
    int* direction_;
    bool running_ = false;
};

} // namespace ovta
