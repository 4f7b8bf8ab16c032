// frm46: the article reader of the jurisprudence topics, opened by the topic list
// frm45 with the files it loaded for it.
#pragma once

#include <QPointer>

#include "reading/reader_screen.h"

namespace ovta {

class Tfrm46 : public ReaderScreen {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm46";
    static inline QPointer<Tfrm46> instance;
    static const ReaderMember& settings();
    static State& state();

    Tfrm46() : ReaderScreen(settings(), state()) {}
};

} // namespace ovta
