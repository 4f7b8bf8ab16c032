// frm04: the topic index of the landmarks section. Three levels side by
// side: a column of level-1 headings, the level-2 headings of the one
// chosen, and the article titles of the level-2 heading chosen, each with
// its icon. A double click on a title opens the article reader frm03, for
// which it loads the reader's files as the topic list frm02 does.
#pragma once

#include <QPointer>
#include <array>

#include "shell/mouse_aware.h"
#include "shell/pager.h"
#include "shell/title_list_box.h"
#include "reading/topic_index.h"
#include "shell/controls.h"
#include "shell/screen.h"
#include "shell/timer.h"

namespace ovta {

class Tfrm04 : public Screen {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm04";
    static inline QPointer<Tfrm04> instance;

    // Module-level state of the kind.
    struct State {
        int mark1 = -1; // row index of the level-1 mark, -1 for none
        int mark2 = -1;
        int repeatDirection = 0;
        int magnifier = 0;
        int backHover = 0;
    };
    static State& state();

    Tfrm04();

    ImageControl* m1;
    std::array<LabelControl*, 7> rows1{}; // ls11 .. ls17
    std::array<LabelControl*, 7> rows2{}; // ls1 .. ls7
    MouseLabel* Label11;                  // level 1: line up
    LabelControl* Label13;                // page up
    LabelControl* Label14;                // page down
    MouseLabel* Label12;                  // line down
    ImageControl* Image1;                 // pressed level-1 line up
    ImageControl* Image4;                 // pressed level-1 line down
    MouseLabel* l3;                       // level 2: line up
    LabelControl* l7;
    LabelControl* l8;
    MouseLabel* l4;
    ImageControl* Image2; // pressed level-2 line up
    ImageControl* Image3; // pressed level-2 line down
    TitleListBox* lst1;
    LabelControl* labcamov;
    LabelControl* label15; // show level 1
    LabelControl* Label1;  // show level 2 after a level-1 choice
    LabelControl* Label3;  // show level 2 after a level-2 pager move
    LabelControl* l2;
    ImageControl* m2;
    Timer* t2;

    const TopicIndex& index() const { return index_; }
    Pager& pager1() { return pager1_; }
    Pager& pager2() { return pager2_; }
    // The article numbers of the listed titles.
    const std::vector<int>& titleNumbers() const { return titleNumbers_; }

    void FormCreate() override;
    void FormShow() override;
    void FormKeyDown(int key) override;

    void label15Click();
    void ls11Click(LabelControl* row);
    void Label1Click();
    void ls1Click(LabelControl* row);
    void lst1DrawItem(QPainter& painter, int index, const QRect& rect, bool selected);
    void lst1DblClick();
    void Label11Click();
    void Label12Click();
    void Label13Click();
    void Label14Click();
    void l3Click();
    void l4Click();
    void l7Click();
    void l8Click();
    void arrowDown(int code, bool left);
    void arrowUp(int code, bool left);
    void t2Timer();
    void Label4MouseMove(LabelControl* row);
    void m1MouseMove();
    void l2MouseMove();
    void l2Click();

    // The icon picture of an icon kind (null for none).
    static QPixmap icon(int kind);

private:
    void showLevel2();
    void clearTitles();
    void setMark(std::array<LabelControl*, 7>& rows, int& mark, int row);
    ImageControl* pressedPicture(int code) const;

    TopicIndex index_;
    std::vector<int> titleNumbers_;
    int top1_ = 0;
    int top2_ = 0;
    Pager pager1_;
    Pager pager2_;
    AutoRepeat repeat_;
};

} // namespace ovta
