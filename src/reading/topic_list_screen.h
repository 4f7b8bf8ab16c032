// The topic list screens (frm02, frm12, frm45, frm82): one design that
// shows the titles of a section nine at a time in a column of row labels,
// pages through them with four arrows, magnifies a title wider than its
// row, and opens the article reader for the row clicked. Each member
// supplies its row of settings (TopicListMember) and, for the alphabetical
// list, its extras.
#pragma once

#include <QColor>
#include <QRect>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "shell/mouse_aware.h"
#include "shell/pager.h"
#include "reading/reader_files.h"
#include "reading/topic_list.h"
#include "shell/controls.h"
#include "shell/keyboard_nav.h"
#include "shell/screen.h"
#include "shell/search_host.h"
#include "shell/timer.h"

namespace ovta {

// What differs between the members of the family.
struct TopicListMember {
    const char* kind;
    TopicListRules rules;       // record layout, group filter, number kept, capacity
    int itemOffset;             // CurrentItem on a row click = Tag + itemOffset
    const char* reader;         // the reader a row opens
    const char* openerFilesFor; // the reader whose files it loads, or nullptr
    ReaderFileNames readerFiles;

    // Rows: the first row's rectangle, then one row every `rowStep` pixels.
    QRect firstRow;
    int rowStep;
    GlyphFace rowFace;
    int rowSize; // points, or pixels when negative
    QColor rowColor;
    bool hideEmptyRows;

    // Arrows: line up, page up, page down, line down; pressed pictures.
    QRect l3, l7, l8, l4;
    const char* pressedUp;
    const char* pressedDown;
    QRect pressedUpAt, pressedDownAt;

    QRect backAt;           // l2, with its hover picture m2 at the same place
    const char* searchName; // the search button
    QRect searchAt;
    int searchSource;

    QColor magnifierBack;
    GlyphFace magnifierFace;
    int magnifierSize;
    bool magnifierTakesRowFont;

    // Keyboard positions after the nine rows ("l3", "l7", "l8", "l4", "l2",
    // or the search button's name), and where the pointer lands on a row.
    std::vector<const char*> cycle;
    int rowPointerOffset;
    bool keyPositionIsRepeat; // one variable for keyboard and auto-repeat
};

class TopicListScreen : public Screen, public SearchHost {
    Q_OBJECT

public:
    // Module-level state, one set per member.
    struct State {
        int magnifier = 0; // Tag of the row magnified, 0 for none
        int backHover = 0;
        int searchHover = 0;
        int keyPosition = 0;
        int repeatDirection = 0;
        int dragFlag = 0;      // frm12's thumb
        int pressedLetter = 0; // frm12's letter shown pressed
    };

    explicit TopicListScreen(const TopicListMember& member, State& state);
    ~TopicListScreen() override;

    const TopicListMember& member() const { return member_; }
    State& state() { return state_; }

    ImageControl* m1;
    std::array<LabelControl*, 9> rows{}; // ls1 .. ls9
    LabelControl* labcamov;
    LabelControl* Label1; // redraws the window
    MouseLabel* l3;
    LabelControl* l7;
    LabelControl* l8;
    MouseLabel* l4;
    ImageControl* pressedUp;
    ImageControl* pressedDown;
    LabelControl* l2;
    ImageControl* m2;
    ImageControl* search;
    Timer* t2;

    // The hidden list of titles and the number table.
    const TopicList& entries() const { return entries_; }
    Pager& pager() { return pager_; }
    AutoRepeat& repeat() { return repeat_; }

    void FormCreate() override;
    void FormShow() override;
    void FormActivate() override;
    void FormKeyDown(int key) override;

    void Label1Click();
    void ls1Click(LabelControl* row);
    void l3Click();
    void l4Click();
    void l7Click();
    void l8Click();
    void l3MouseDown(bool left);
    void l3MouseUp(bool left);
    void l4MouseDown(bool left);
    void l4MouseUp(bool left);
    void t2Timer();
    void Label4MouseMove(LabelControl* row);
    void m1MouseMove();
    void l2MouseMove();
    void l2Click();
    void searchMouseMove();
    void searchClick();

    // The hand-over to the search dialog (modal). The list repaints when it
    // returns; what the dialog opens is its own business.
    void openSearchDialog();

    // SearchHost
    const std::vector<std::string>& searchTitles() const override { return entries_.titles(); }
    void refreshFromListTop() override { Label1Click(); }

protected:
    // The topic file and its titles data file.
    virtual std::pair<const char*, const char*> topicFiles() const = 0;
    // The group the list is filtered by.
    virtual int group() const { return 0; }
    // Extras of a member, after the list is built and after each show.
    virtual void afterCreate() {}
    virtual void afterShow() {}
    // Extra line-arrow press look (frm12 brings its thumb forward too).
    virtual void arrowPressed() {}

    QWidget* cycleTarget(const char* name) const;
    void placePointer(int position);

private:
    void buildRows();
    void press(int code, ImageControl* picture, bool left);
    void unpress(ImageControl* picture, bool left);

    const TopicListMember& member_;
    State& state_;
    TopicList entries_;
    Pager pager_;
    AutoRepeat repeat_;
    std::unique_ptr<KeyboardNav> nav_;
    std::vector<NavStop> order_;
};

} // namespace ovta
