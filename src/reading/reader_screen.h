// The article readers (frm03, frm13, frm46, frm65, frm83): one design that
// shows an article's title, nine lines of its text through the text pager,
// and a chooser that narrows the text to one sub-section or shows the whole
// article again. Each member is its row of ReaderSettings.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "reading/article.h"
#include "reading/reader_settings.h"
#include "shell/arrow_repeat.h"
#include "shell/controls.h"
#include "shell/glyph_chooser.h"
#include "shell/glyph_text_box.h"
#include "shell/hover_picture.h"
#include "shell/pager.h"
#include "shell/paged_column.h"
#include "shell/screen.h"
#include "shell/screen_kind.h"

namespace ovta {

// What outlives one reader instance.
struct ReaderState {
    int closeHover = 0;
    int repeatDirection = 0;
};

class ReaderScreen : public Screen {
    Q_OBJECT

public:
    ReaderScreen(const ReaderSettings& settings, ReaderState& state);
    ~ReaderScreen() override;

    const ReaderSettings& settings() const { return settings_; }

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
    std::string copyGlyphs() const override;

    void l9DblClick();
    void l9MouseMove();
    void m1MouseMove();
    void l2Click(int tag);
    void Label2Click();
    void Label1Click();
    void co1Click();
    void co1Change();
    void co1KeyDown(int key);
    void pageKey(int key);
    void l10Click() { column_->lineUp(); }
    void l11Click() { column_->lineDown(); }
    void l12Click() { column_->pageUp(); }
    void l13Click() { column_->pageDown(); }
    void t2Timer() { repeat_.tick(); }

    // The hot spot that shows sub-section k.
    LabelControl* sectionSpot(int k) const;

private:
    const ReaderFiles& files() const;
    void showText(std::string text);

    const ReaderSettings& settings_;
    ReaderState& state_;
    ReaderFiles own_;
    Article article_;
    std::string shown_;
    std::vector<std::string_view> lines_;
    std::vector<int> map_;
    int top_ = 0;
    Pager pager_;
    ArrowRepeat repeat_;
    std::unique_ptr<PagedColumn> column_;
    HoverPicture closeHover_;
};

// A reader kind: its row of settings and its state.
template <KindName K>
class TReader : public ReaderScreen, public ScreenKind<TReader<K>, ReaderState> {
public:
    static constexpr const char* Kind = K.text;
    TReader() : ReaderScreen(readerSettings(Kind), TReader::state()) {}
};

using Tfrm03 = TReader<"frm03">; // landmarks, from frm02 and frm04
using Tfrm13 = TReader<"frm13">; // biographies, from frm12
using Tfrm46 = TReader<"frm46">; // jurisprudence, from frm45
using Tfrm65 = TReader<"frm65">; // Quran commentary, from the book viewer frm64
using Tfrm83 = TReader<"frm83">; // sects, from frm82

} // namespace ovta
