// frm04: the topic index of the landmarks section. Three levels side by
// side: a column of level-1 headings, the level-2 headings of the one
// chosen, and the article titles of the level-2 heading chosen, each with
// its icon. A double click on a title opens the article reader frm03, for
// which it loads the reader's files as the topic list frm02 does.
#pragma once

#include <array>
#include <memory>

#include "reading/topic_index.h"
#include "shell/arrow_repeat.h"
#include "shell/controls.h"
#include "shell/hover_picture.h"
#include "shell/magnifier.h"
#include "shell/mouse_aware.h"
#include "shell/pager.h"
#include "shell/paged_column.h"
#include "shell/screen.h"
#include "shell/screen_kind.h"
#include "shell/title_list_box.h"

namespace ovta {

// Module-level state of the topic index.
struct TopicIndexState {
    int mark1 = -1; // row index of the level-1 mark, -1 for none
    int mark2 = -1;
    int repeatDirection = 0;
    int magnifier = 0;
    int backHover = 0;
};

class Tfrm04 : public Screen, public ScreenKind<Tfrm04, TopicIndexState> {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm04";

    Tfrm04();
    ~Tfrm04() override;

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
    std::string copyGlyphs() const override;

    void label15Click();
    void ls11Click(LabelControl* row);
    void Label1Click();
    void ls1Click(LabelControl* row);
    void lst1DrawItem(QPainter& painter, int index, const QRect& rect, bool selected);
    void lst1DblClick();
    void Label11Click() { column1_->lineUp(); }
    void Label12Click() { column1_->lineDown(); }
    void Label13Click() { column1_->pageUp(); }
    void Label14Click() { column1_->pageDown(); }
    void l3Click() { column2_->lineUp(); }
    void l4Click() { column2_->lineDown(); }
    void l7Click() { column2_->pageUp(); }
    void l8Click() { column2_->pageDown(); }
    void t2Timer() { repeat_.tick(); }
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

    TopicIndex index_;
    std::vector<int> titleNumbers_;
    int top1_ = 0;
    int top2_ = 0;
    Pager pager1_;
    Pager pager2_;
    ArrowRepeat repeat_;
    std::unique_ptr<PagedColumn> column1_;
    std::unique_ptr<PagedColumn> column2_;
    std::unique_ptr<Magnifier> magnifier_;
    HoverPicture backHover_;
};

} // namespace ovta
