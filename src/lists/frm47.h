// frm47: a visible list of 893 entries above a second list that shows the
// chosen entry's text line by line, with the search button.
#pragma once

#include "lists/entry_list.h"
#include "shell/controls.h"
#include "shell/hover_picture.h"
#include "shell/screen.h"
#include "shell/screen_kind.h"
#include "shell/search_host.h"
#include "shell/title_list_box.h"
#include "store/data_file.h"
#include "store/index_list.h"

namespace ovta {

struct Frm47State {
    int closeHover = 0;
    int searchHover = 0;
};

class Tfrm47 : public Screen, public SearchHost, public ScreenKind<Tfrm47, Frm47State> {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm47";
    Tfrm47();
    ~Tfrm47() override;

    ImageControl* m1;
    TitleListBox* LS1;
    TitleListBox* List1;
    ImageControl* Image1; // search
    LabelControl* l1;     // close
    ImageControl* m2;

    const EntryList& entries() const { return entries_; }

    void FormCreate() override;
    void FormActivate() override;
    void FormKeyDown(int key) override;
    std::string copyGlyphs() const override;
    // No refusal: the window system may close this one.
    void systemClose() override { release(); }

    void LS1Click();
    void LS1DrawItem(QPainter& painter, int index, const QRect& rect, bool selected);
    void List1DrawItem(QPainter& painter, int index, const QRect& rect, bool selected);
    void m1MouseMove();
    void l1MouseMove();
    void l1Click();
    void Image1MouseMove();
    void Image1Click();

    // SearchHost
    const std::vector<std::string>& searchTitles() const override { return entries_.titles(); }
    void selectAndOpen(int row) override;
    int selectedRow() const override { return LS1->itemIndex(); }

private:
    Frm47State& state_;
    EntryList entries_;
    IndexList index_;
    DataFile texts_;
    HoverPicture closeHover_;
    HoverPicture searchHover_;
};

} // namespace ovta
