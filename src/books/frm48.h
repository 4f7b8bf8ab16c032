// frm48: the summary page of a question, opened from the question screen
// frm42: the question's lines and the texts of its three answer categories
// together on one white page. It copies what it shows when it is created.
#pragma once

#include <array>

#include "books/line_list.h"
#include "shell/controls.h"
#include "shell/hover_picture.h"
#include "shell/screen.h"
#include "shell/screen_kind.h"

namespace ovta {

struct SummaryState {
    int closeHover = 0;
};

class Tfrm48 : public Screen, public ScreenKind<Tfrm48, SummaryState> {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm48";
    static constexpr int ListWidthMargin = 12;

    Tfrm48();
    ~Tfrm48() override;

    ImageControl* m1;
    LineList* List1;                  // the question
    std::array<LineList*, 3> lists{}; // List2, List3, List4: categories 1, 2, 3
    ImageControl* m2;                 // the lit close button
    LabelControl* l1;                 // close

    void FormCreate() override;
    void FormMouseMove() override;
    std::string copyGlyphs() const override;

    void l1Click();
    void l1MouseMove();
    void m1MouseMove();

protected:
    bool setsCaption() const override { return false; }

private:
    HoverPicture closeHover_;
};

} // namespace ovta
