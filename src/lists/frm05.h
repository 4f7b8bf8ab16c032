// frm05: the two-pane reader of the first section, two sets of titles and
// texts chosen by the opener's item (1 or 2), each under its heading.
#pragma once

#include "lists/two_pane_screen.h"
#include "shell/screen_kind.h"
#include "store/data_file.h"
#include "store/index_list.h"

namespace ovta {

// The files and heading of one set.
struct Frm05Set {
    const char* titleIndex;
    const char* titles;
    const char* textIndex;
    const char* texts;
    int heading; // title table entry
};

// The set of item 1 or 2; nullptr for any other item.
const Frm05Set* frm05Set(int item);

class Tfrm05 : public TwoPaneScreen, public ScreenKind<Tfrm05, TwoPaneState> {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm05";
    Tfrm05();

    LabelControl* Label11; // heading

protected:
    void loadOnShow() override;
    std::string rowText(int tag) const override;

private:
    IndexList textIndex_;
    DataFile texts_;
};

} // namespace ovta
