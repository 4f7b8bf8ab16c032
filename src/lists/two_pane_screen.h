// The two-pane list readers (frm05, frm34): one design that shows a window
// of nine title rows with its line and page arrows at the upper right, and
// below them the text of the row opened last, in a window of lines with
// arrows of its own. The search dialog scrolls the rows to a hit and opens
// it. Each member is its row of TwoPaneSettings plus the way it fills its
// list: frm05 by the opener's item, frm34 by the category chosen.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "books/line_store.h"
#include "lists/two_pane_settings.h"
#include "lists/two_pane_titles.h"
#include "shell/arrow_repeat.h"
#include "shell/controls.h"
#include "shell/glyph_text_box.h"
#include "shell/hover_picture.h"
#include "shell/keyboard_nav.h"
#include "shell/paged_column.h"
#include "shell/pager.h"
#include "shell/screen.h"
#include "shell/search_host.h"

namespace ovta {

// What outlives one instance of a kind.
struct TwoPaneState {
    // Which line arrow is held (1..4), and also the keyboard position.
    int RepeatCode = 0;
    int closeHover = 0;
    int searchHover = 0;
};

class TwoPaneScreen : public Screen, public SearchHost {
    Q_OBJECT

public:
    TwoPaneScreen(const TwoPaneSettings& settings, TwoPaneState& state);
    ~TwoPaneScreen() override;

    const TwoPaneSettings& settings() const { return settings_; }

    ImageControl* m1;
    std::array<LabelControl*, 9> rows{}; // Label2 .. Label10
    GlyphTextBox* lmtn;
    LabelControl* lablst1; // redraws the rows from ListTop
    LabelControl* labmtn;  // redraws the text pane
    MouseLabel* luptrs;
    LabelControl* luptrp;
    LabelControl* ldntrp;
    MouseLabel* ldntrs;
    MouseLabel* lupmts;
    LabelControl* lupmtp;
    LabelControl* ldnmtp;
    MouseLabel* ldnmts;
    std::array<ImageControl*, 4> pressedPictures{}; // luptrs, ldntrs, lupmts, ldnmts
    ImageControl* search;
    LabelControl* Label1; // close
    ImageControl* m6;
    Timer* t2;

    const TwoPaneTitles& titles() const { return titles_; }
    Pager& listPager() { return listPager_; }
    Pager& textPager() { return textPager_; }
    // The lines of the text opened last (the hidden box me3).
    const LineStore& me3() const { return me3_; }
    LabelControl* openRow() const { return openRow_; }
    int keyPosition() const;

    void FormShow() override;
    void FormActivate() override;
    void FormKeyDown(int key) override;
    void textKey(int key);
    std::string copyGlyphs() const override;

    void lablst1Click();
    void labmtnClick();
    void Label2Click(LabelControl* row);
    void m1MouseMove();
    void Label1MouseMove();
    void Label1Click();
    void searchMouseMove();
    void searchClick();

    // SearchHost
    const std::vector<std::string>& searchTitles() const override { return titles_.titles(); }
    void refreshFromListTop() override { lablst1Click(); }
    void openFirstRow() override { rows[0]->click(); }

protected:
    // The member fills the list when shown (frm05) or on a choice (frm34).
    virtual void loadOnShow() = 0;
    // The text of a row whose Tag is `tag`.
    virtual std::string rowText(int tag) const = 0;
    // Keyboard targets between the text arrows and the search button.
    virtual std::vector<Control*> extraTargets() const { return {}; }

    TwoPaneTitles& titleList() { return titles_; }
    // New titles: the window starts at the top.
    void listFilled();
    void buildNavigation();

private:
    void hoverCleanUp();
    void step(int delta);
    void paintRow(LabelControl* row, const QColor& color);

    const TwoPaneSettings& settings_;
    TwoPaneState& state_;
    TwoPaneTitles titles_;
    LineStore me3_;
    Pager listPager_;
    Pager textPager_;
    ArrowRepeat repeat_;
    std::unique_ptr<PagedColumn> listColumn_;
    std::unique_ptr<PagedColumn> textColumn_;
    LabelControl* openRow_ = nullptr;
    HoverPicture closeHover_;
    HoverPicture searchHover_;
    std::unique_ptr<KeyboardNav> nav_;
    std::vector<Control*> navTargets_;
    int searchPosition_ = 0;
    int closePosition_ = 0;
};

} // namespace ovta
