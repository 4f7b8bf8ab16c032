// The six tree-book screens (frm14, frm64, frm43, frm7, frm63, frm410): one
// design that shows a book's headings in the ten-column strip, the path of
// the opened headings above it and, below it, the content of the heading
// opened last. Each member is its row of BookViewerSettings and of the
// model's ScreenSettings; frm43 and frm63 add what only they have.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "books/book_cursor.h"
#include "books/book_model.h"
#include "books/book_strip.h"
#include "books/book_viewer_settings.h"
#include "shell/arrow_repeat.h"
#include "shell/controls.h"
#include "shell/frame_shape.h"
#include "shell/glyph_chooser.h"
#include "shell/glyph_text_box.h"
#include "shell/hover_picture.h"
#include "shell/lowered_panel.h"
#include "shell/mouse_aware.h"
#include "shell/paged_column.h"
#include "shell/screen.h"
#include "shell/screen_kind.h"
#include "shell/text_catalogue.h"
#include "shell/title_list_box.h"

namespace ovta {

// What outlives one instance of a book screen kind.
struct BookViewerState {
    int exitHover = 0;
    int repeatCode = 0;
    int magnified = 0;
};

class BookViewer : public Screen {
    Q_OBJECT

public:
    BookViewer(const BookViewerSettings& settings, BookViewerState& state);
    ~BookViewer() override;

    const BookViewerSettings& settings() const { return settings_; }
    BookModel& model() { return *model_; }
    const BookModel& model() const { return *model_; }
    BookStrip& strip() { return *strip_; }

    ImageControl* m1;
    LabelControl* Label4; // book title
    GlyphTextBox* lcap;   // path caption
    ImageControl* Image1; // pressed column arrows
    ImageControl* Image2;
    LabelControl* m2; // strip arrows
    LabelControl* m3;
    ImageControl* m6;     // exit hover picture
    LabelControl* Label1; // exit
    // The pane's line and page hot spots and their pressed pictures m4, m5.
    MouseLabel* lupmts;
    LabelControl* lupmtp;
    LabelControl* ldnmtp;
    MouseLabel* ldnmts;
    ImageControl* m4;
    ImageControl* m5;
    Timer* t1;
    // Article window (frm14, frm64).
    std::array<LabelControl*, 6> lis{};
    // Question list (frm43) and its extra hot spot.
    TitleListBox* ls2 = nullptr;
    LabelControl* ldntrs = nullptr;
    // Body window (frm7, frm63, frm410).
    GlyphTextBox* lmtn = nullptr;
    // Previous and next article (frm410) and their pressed pictures.
    MouseLabel* Label7 = nullptr;
    MouseLabel* Label8 = nullptr;
    ImageControl* Image3 = nullptr;
    ImageControl* Image4 = nullptr;
    // Passage chooser (frm63).
    GlyphChooser* co1 = nullptr;
    LoweredPanel* Panel3 = nullptr;
    LabelControl* L_name = nullptr;
    // The keyboard's row on the strip.
    FrameShape* keyFrame = nullptr;
    const BookCursor& cursor() const { return cursor_; }

    void FormCreate() override;
    void FormShow() override;
    void FormActivate() override;
    void FormKeyDown(int key) override;
    std::string copyGlyphs() const override;

    // Column navigation.
    void lablstClick(int k); // show column k
    void LaevDblClick(int k, int row);
    void mapClick(int k);
    void mdpClick(int k);
    void m2Click();
    void m3Click();
    void Label2MouseDown(MouseImage* arrow);
    void Label2MouseUp(MouseImage* arrow);
    void t1Timer() { repeat_.tick(); }
    void Label3MouseMove(int k, int row);
    void stripMouseMove(); // strip, tracks, arrows, icons, lcap, background
    void ldntrsClick();
    // Goes to heading `node` as the user's clicks would: each heading on
    // its path scrolled into its column, the strip slid to it, and opened;
    // the keyboard's frame then stands on the heading.
    void openHeading(int node);

    // The pane.
    void Label6Click();           // reset content
    void lablstClick();           // show the pane
    void lablstDblClick(int row); // open article
    void ls2DblClick();
    void Label7Click();
    void Label8Click();
    void co1Click();
    void co1Change();

    // Exit.
    void Label1Click();
    void Label1MouseMove();

protected:
    // Ctrl with Up or Page Up steps to the previous article of the run,
    // with Down or Page Down to the next, as the two hot spots do; the
    // plain keys keep their moves on the strip and the pane.
    void keyPressEvent(QKeyEvent* event) override;
    // Leaving: what the screen does before it is released.
    virtual void leave() { release(); }
    // The pane was emptied (the recitation screen pauses its sound).
    virtual void paneReset() {}
    // The user picked passage (start, end).
    virtual void playPassage(const Passage&) {}
    // The screen's book was opened (frm63 opens its sound before).
    virtual void openBook();

    BookViewerState& state_;

private:
    void buildPane();
    void buildArticleRows();
    void buildQuestionList();
    void buildBodyWindow();
    void buildPassageChooser();
    void buildArticleSteps();
    void setBookTitle();
    // Draws everything the model changed; run after every operation, also
    // when it threw, before the error is reported.
    void redraw();
    template <class F> void step(F&& operation);
    void paneKey(int key);
    // Arrows walk the strip and Enter opens the row they reached; Page Up,
    // Page Down, Home and End move the content pane.
    void readingKey(int key);
    void cursorMove(KeyMove move);
    // Slides the strip, as its arrows do, until column k is in view.
    bool slideStripTo(int k);
    void paneMove(KeyMove move);
    void placeKeyFrame();
    void fillQuestionList();

    const BookViewerSettings& settings_;
    const layout::BookScreenLayout& layout_;
    std::unique_ptr<BookModel> model_;
    std::unique_ptr<BookStrip> strip_;
    ArrowRepeat repeat_;
    std::unique_ptr<PagedColumn> pane_;
    HoverPicture exitHover_;
    BookCursor cursor_;
};

// A book screen kind: its rows of settings and its state.
template <KindName K>
class TBookViewer : public BookViewer, public ScreenKind<TBookViewer<K>, BookViewerState> {
public:
    static constexpr const char* Kind = K.text;
    TBookViewer() : BookViewer(bookViewerSettings(Kind), TBookViewer::state()) {}
};

// Registers for each kind the way a text opens at one of its headings.
template <class... Kinds>
bool registerHeadingOpeners()
{
    return (registerHeadingOpener(Kinds::Kind,
                                  [](int node) {
                                      if (Kinds::instance && !Kinds::instance->released())
                                          Kinds::instance->openHeading(node);
                                  }) &&
            ...);
}

using Tfrm14 = TBookViewer<"frm14">;   // one book; its articles open frm13
using Tfrm64 = TBookViewer<"frm64">;   // Quran commentary; its articles open frm65
using Tfrm7 = TBookViewer<"frm7">;     // seventeen books of body texts
using Tfrm410 = TBookViewer<"frm410">; // twelve books of article runs, from the shelf

} // namespace ovta
