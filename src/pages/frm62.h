// frm62: the page viewer. It opens on an index picture whose zones, one per
// chapter, are hot spots: a red frame follows the pointer from zone to
// zone, and a press opens the chapter's first page as a picture over the
// whole screen, with a small button bar for paging by two pages, jumping a
// chapter back or forth, going back to the index and closing.
#pragma once

#include <QPoint>
#include <array>

#include "pages/chapter_index.h"
#include "pages/page_position.h"
#include "shell/controls.h"
#include "shell/mouse_aware.h"
#include "shell/screen.h"
#include "shell/screen_kind.h"

namespace ovta {

class FrameShape;

// Module-level state of the viewer: the zones and first pages
// (ZoneRects, ZoneFirstPage) and where it stands (CurrentPage, CurrentZone).
struct PageViewState {
    ChapterIndex chapters;
    PagePosition position;
};

class Tfrm62 : public Screen, public ScreenKind<Tfrm62, PageViewState> {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm62";

    Tfrm62();

    MouseImage* m2;   // the index picture
    FrameShape* shp1; // the hover frame
    ImageControl* m1; // the page picture
    PanelControl* p1; // the button bar
    ImageControl* mg1;
    ImageControl* mg2; // pressed pictures of lg2, lg5, lg3, lg4
    ImageControl* mg5;
    ImageControl* mg3;
    ImageControl* mg4;
    LabelControl* lg6; // back to the index
    LabelControl* lg2; // previous chapter
    LabelControl* lg5; // next chapter
    LabelControl* lg3; // previous page
    LabelControl* lg4; // next page
    LabelControl* lg7; // close

    static const ChapterIndex& chapters() { return state().chapters; }
    static const PagePosition& position() { return state().position; }
    // The zone the keys have chosen on the index (0 for none yet).
    int keyZone() const { return keyZone_; }

    void FormCreate() override;
    void FormKeyDown(int key) override;

    void m2MouseMove(QPoint at);
    void m2MouseDown(QPoint at);
    void lg2Click();
    void lg5Click();
    void lg3Click();
    void lg4Click();
    void lg6Click();
    void lg7Click();

protected:
    bool setsCaption() const override { return false; }

private:
    void showPage();
    void openZone(int k);
    void frameZone(int k);
    void indexKey(int key);
    void pageKey(int key);
    void bindPressed(LabelControl* button, ImageControl* pressed);
    ImageControl* barPicture(const char* name, QRect place);

    bool hoverRunning_ = false;
    int keyZone_ = 0;
};

} // namespace ovta
