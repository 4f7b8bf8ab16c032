// The article readers (frm03, frm13, frm46, frm65, frm83): one design that
// shows an article's title, nine lines of its text through the text pager,
// and a chooser that narrows the text to one sub-section or shows the whole
// article again. Each member supplies its row of settings (ReaderMember).
#pragma once

#include <QColor>
#include <QRect>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "reading/article.h"
#include "shell/glyph_chooser.h"
#include "shell/glyph_text_box.h"
#include "shell/mouse_aware.h"
#include "shell/pager.h"
#include "reading/reader_files.h"
#include "shell/controls.h"
#include "shell/screen.h"
#include "shell/timer.h"

namespace ovta {

struct ReaderMember {
    const char* kind;
    // Files of its own, or the opener's (program-wide) for `openerFilesFor`.
    ReaderFileNames files;
    const char* openerFilesFor;
    int recordOffset; // record read = CurrentItem + recordOffset
    ArticleRules article;
    QColor textColor;
    bool escOnScreen; // Esc on the screen itself closes (frm03)
};

class ReaderScreen : public Screen {
    Q_OBJECT

public:
    struct State {
        int closeHover = 0;
        int repeatDirection = 0;
    };

    ReaderScreen(const ReaderMember& member, State& state);
    ~ReaderScreen() override;

    const ReaderMember& member() const { return member_; }
    State& state() { return state_; }

    ImageControl* m1;
    LabelControl* lname;
    GlyphTextBox* lmtn;
    MouseLabel* l10;      // line up
    LabelControl* l12;    // page up
    LabelControl* l13;    // page down
    MouseLabel* l11;      // line down
    ImageControl* Image1; // pressed line up
    ImageControl* Image2; // pressed line down
    GlyphChooser* co1;
    PanelControl* Panel1;
    LabelControl* L_name;
    std::vector<LabelControl*> sectionSpots; // Tag 2 .. P + 1 (l2..l8, ll9..ll11)
    LabelControl* Label1;                    // redraws the window
    LabelControl* Label2;                    // shows the whole text
    LabelControl* l9;                        // close
    ImageControl* m9;                        // close hover picture
    Timer* t2;

    const Article& article() const { return article_; }
    // The text on display (the whole text or one sub-section).
    const std::string& shownText() const { return shown_; }
    // Chooser entry index -> what it shows (0 whole text, k sub-section k).
    const std::vector<int>& chooserMap() const { return map_; }
    Pager& pager() { return pager_; }
    int windowTop() const { return top_; }

    void FormCreate() override;
    void FormShow() override;
    void FormActivate() override;
    void FormKeyDown(int key) override;

    void l9DblClick();
    void l9MouseMove();
    void m1MouseMove();
    void l2Click(int tag);
    void Label2Click();
    void Label1Click();
    void co1Click();
    void co1Change();
    void co1KeyDown(int key);
    void l10Click();
    void l11Click();
    void l12Click();
    void l13Click();
    void l10MouseDown(bool left);
    void l10MouseUp(bool left);
    void l11MouseDown(bool left);
    void l11MouseUp(bool left);
    void t2Timer();

    // The hot spot that shows sub-section k.
    LabelControl* sectionSpot(int k) const;

private:
    const ReaderFiles& files() const;
    void showText(std::string text);

    const ReaderMember& member_;
    State& state_;
    ReaderFiles own_;
    Article article_;
    std::string shown_;
    std::vector<std::string_view> lines_;
    std::vector<int> map_;
    int top_ = 0;
    Pager pager_;
    AutoRepeat repeat_;
};

} // namespace ovta
