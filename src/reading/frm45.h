// frm45: the topic list of the jurisprudence section. A title opens the
// article reader frm46, whose files it loads; it keeps article number - 1.
#pragma once

#include <QPointer>

#include "reading/topic_list_screen.h"

namespace ovta {

class Tfrm45 : public TopicListScreen {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm45";
    static inline QPointer<Tfrm45> instance;
    static const TopicListMember& settings();
    static State& state();

    Tfrm45();

protected:
    std::pair<const char*, const char*> topicFiles() const override
    {
        return {"data\\1kenor49", "data\\kenor490"};
    }
};

} // namespace ovta
