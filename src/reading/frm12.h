// frm12: the alphabetical topic list of the biographies section, one of
// three sets by CurrentBook. Besides the family's rows and arrows it has a
// letter index (28 letters over a letter board, each jumping to the first
// title of its letter) and a scroll thumb on a track. The third set has no
// letter index. A title opens the article reader frm13.
#pragma once

#include <array>

#include "reading/list_thumb.h"
#include "reading/topic_list_screen.h"
#include "shell/mouse_aware.h"

namespace ovta {

// The list's state, and the thumb's drag flag and the letter shown pressed.
struct Frm12State : TopicListState {
    int dragFlag = 0;
    int pressedLetter = 0;
};

class Tfrm12 : public TopicListScreen, public ScreenKind<Tfrm12, Frm12State> {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm12";

    Tfrm12();

    ImageControl* Image3;                    // letter board
    ImageControl* Image1;                    // the board in its pressed look, hidden
    std::array<ImageControl*, 28> letters{}; // ml1 .. ml28
    MouseImage* mm;                          // thumb
    MouseLabel* Label5;                      // track

    int book() const { return book_; }
    const ListThumb& thumb() const { return thumb_; }

    void ml1Click(ImageControl* letter);
    void mmMouseDown();
    void mmMouseUp();
    void mmMouseMove(int y);
    void Label5MouseDown(int y);
    void Label5MouseUp();

    // Where letter Tag t lies over the board.
    static QRect letterRect(int tag);

protected:
    std::pair<const char*, const char*> topicFiles() const override;
    void afterCreate() override;
    void afterShow() override;

private:
    int book_;
    ListThumb thumb_{0, 1};
};

} // namespace ovta
