// frm13: the article reader of the biographies, opened by the topic list frm12
// and the book viewer frm14.
#pragma once

#include <QPointer>

#include "reading/reader_screen.h"

namespace ovta {

class Tfrm13 : public ReaderScreen {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm13";
    static inline QPointer<Tfrm13> instance;
    static const ReaderMember& settings();
    static State& state();

    Tfrm13() : ReaderScreen(settings(), state()) {}
};

} // namespace ovta
