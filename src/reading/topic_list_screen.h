// The topic list screens (frm02, frm12, frm45, frm82): one design that
// shows the titles of a section nine at a time in a column of row labels,
// pages through them with four arrows, magnifies a title wider than its
// row, and opens the article reader for the row clicked. Each member is
// its row of TopicListSettings; frm02 and frm12 add extras of their own.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "reading/topic_list.h"
#include "reading/topic_list_settings.h"
#include "shell/arrow_repeat.h"
#include "shell/controls.h"
#include "shell/hover_picture.h"
#include "shell/keyboard_nav.h"
#include "shell/magnifier.h"
#include "shell/pager.h"
#include "shell/paged_column.h"
#include "shell/screen.h"
#include "shell/screen_kind.h"
#include "shell/search_host.h"

namespace ovta {

// What outlives one list instance (all of it reset by each creation).
struct TopicListState {
    int magnifier = 0; // Tag of the row magnified, 0 for none
    int backHover = 0;
    int searchHover = 0;
    int keyPosition = 0;
    int repeatDirection = 0;
};

class TopicListScreen : public Screen, public SearchHost {
    Q_OBJECT

public:
    TopicListScreen(const TopicListSettings& settings, TopicListState& state);
    ~TopicListScreen() override;

    const TopicListSettings& settings() const { return settings_; }

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

    void FormCreate() override;
    void FormShow() override;
    void FormActivate() override;
    void FormKeyDown(int key) override;
    std::string copyGlyphs() const override;

    void Label1Click();
    void ls1Click(LabelControl* row);
    void l3Click() { column_->lineUp(); }
    void l4Click() { column_->lineDown(); }
    void l7Click() { column_->pageUp(); }
    void l8Click() { column_->pageDown(); }
    void t2Timer() { repeat_.tick(); }
    void Label4MouseMove(LabelControl* row);
    void m1MouseMove();
    void l2MouseMove();
    void l2Click();
    void searchMouseMove();
    void searchClick();

    // SearchHost
    const std::vector<std::string>& searchTitles() const override { return entries_.titles(); }
    void refreshFromListTop() override { Label1Click(); }

protected:
    // The topic file and its titles data file (the settings' by default).
    virtual std::pair<const char*, const char*> topicFiles() const;
    // The group the list is filtered by.
    virtual int group() const { return 0; }
    // Extras of a member, after the list is built and after each show.
    virtual void afterCreate() {}
    virtual void afterShow() {}
    // Brought forward with a pressed line arrow (frm12's thumb).
    void bringForwardOnPress(QWidget* widget);

private:
    QWidget* cycleTarget(const char* name) const;
    void hoverCleanUp();

    const TopicListSettings& settings_;
    TopicListState& state_;
    TopicList entries_;
    Pager pager_;
    ArrowRepeat repeat_;
    std::unique_ptr<PagedColumn> column_;
    std::unique_ptr<Magnifier> magnifier_;
    HoverPicture backHover_;
    HoverPicture searchHover_;
    std::unique_ptr<KeyboardNav> nav_;
};

// A topic list with nothing of its own beyond its settings.
template <KindName K>
class TTopicList : public TopicListScreen, public ScreenKind<TTopicList<K>, TopicListState> {
public:
    static constexpr const char* Kind = K.text;
    TTopicList() : TopicListScreen(topicListSettings(Kind), TTopicList::state()) {}
};

using Tfrm45 = TTopicList<"frm45">; // jurisprudence
using Tfrm82 = TTopicList<"frm82">; // sects

} // namespace ovta
