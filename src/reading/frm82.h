// frm82: the topic list of the sects section (at most 30 titles). A title
// opens the article reader frm83.
#pragma once

#include <QPointer>

#include "reading/topic_list_screen.h"

namespace ovta {

class Tfrm82 : public TopicListScreen {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm82";
    static inline QPointer<Tfrm82> instance;
    static const TopicListMember& settings();
    static State& state();

    Tfrm82();

protected:
    std::pair<const char*, const char*> topicFiles() const override
    {
        return {"data\\1kenor84", "data\\kenor88"};
    }
};

} // namespace ovta
