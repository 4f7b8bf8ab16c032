// frm33: a visible list of titles over a text pane. The opener's item
// chooses a block of records and a heading; each title shows up to its
// last colon. Choosing an entry puts its whole title into the caption,
// split into two lines when it is too wide, and its text into the pane.
#pragma once

#include <memory>

#include "books/line_store.h"
#include "lists/block_list.h"
#include "shell/arrow_repeat.h"
#include "shell/controls.h"
#include "shell/glyph_text_box.h"
#include "shell/hover_picture.h"
#include "shell/paged_column.h"
#include "shell/pager.h"
#include "shell/screen.h"
#include "shell/screen_kind.h"
#include "shell/title_list_box.h"
#include "store/data_file.h"
#include "store/index_list.h"

namespace ovta {

struct Frm33State {
    int RepeatCode = 0;
    int closeHover = 0;
};

class Tfrm33 : public Screen, public ScreenKind<Tfrm33, Frm33State> {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm33";
    Tfrm33();
    ~Tfrm33() override;

    ImageControl* m1;
    LabelControl* Label1; // heading
    TitleListBox* me1;
    GlyphTextBox* lcap;
    GlyphTextBox* lmtn;
    MouseLabel* l3;
    LabelControl* l7;
    LabelControl* l8;
    MouseLabel* l4;
    ImageControl* Image1; // pressed l3
    ImageControl* Image2; // pressed l4
    LabelControl* l2;     // close
    ImageControl* m2;
    Timer* t2;

    const BlockList& entries() const { return entries_; }
    const LineStore& me3() const { return me3_; }
    Pager& textPager() { return textPager_; }

    void FormCreate() override;
    void FormActivate() override;
    void FormKeyDown(int key) override;
    std::string copyGlyphs() const override;

    void me1Click();
    void me1DrawItem(QPainter& painter, int index, const QRect& rect, bool selected);
    void showEntry(int index);
    void drawText();
    void m1MouseMove();
    void l2MouseMove();
    void l2Click();

private:
    Frm33State& state_;
    BlockList entries_;
    IndexList index_;
    DataFile titles_;
    DataFile texts_;
    LineStore me3_;
    Pager textPager_;
    ArrowRepeat repeat_;
    std::unique_ptr<PagedColumn> column_;
    HoverPicture closeHover_;
};

} // namespace ovta
