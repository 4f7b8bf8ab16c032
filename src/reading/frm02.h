// frm02: the topic list of the landmarks section, opened by its home with
// CurrentItem 1 to 8 (the group of landmarks); group 7 has files of its
// own. A title opens the article reader frm03, whose files it loads.
#pragma once

#include "reading/topic_list_screen.h"

namespace ovta {

class Tfrm02 : public TopicListScreen, public ScreenKind<Tfrm02, TopicListState> {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm02";

    Tfrm02();

    LabelControl* Label3; // heading

protected:
    std::pair<const char*, const char*> topicFiles() const override;
    int group() const override { return group_; }
    void afterCreate() override;

private:
    int group_;
};

// TitleTable entry of the heading for group `item`; 0 for none.
int frm02HeadingEntry(int item);

} // namespace ovta
