// frm34: the two-pane reader whose titles come in seven categories, each a
// hot spot over the background; the one chosen shows a copy of the part of
// the hidden highlight picture that lies under it.
#pragma once

#include <array>

#include "lists/two_pane_screen.h"
#include "shell/screen_kind.h"
#include "store/data_file.h"
#include "store/index_list.h"

namespace ovta {

class Tfrm34 : public TwoPaneScreen, public ScreenKind<Tfrm34, TwoPaneState> {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm34";
    Tfrm34();

    ImageControl* Image1;                      // the category panel lit, behind the background
    std::array<ImageControl*, 7> categories{}; // Image2 .. Image8
    ImageControl* chosen() const { return chosen_; }

    void Image2Click(ImageControl* hotSpot);

protected:
    void loadOnShow() override;
    std::string rowText(int tag) const override;
    std::vector<Control*> extraTargets() const override;

private:
    IndexList index_;
    DataFile titles_;
    DataFile texts_;
    ImageControl* chosen_ = nullptr;
};

} // namespace ovta
