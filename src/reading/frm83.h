// frm83: the article reader of the sects, opened by the topic list frm82; ten
// sub-sections, the last three shown by the hot spots ll9 to ll11.
#pragma once

#include <QPointer>

#include "reading/reader_screen.h"

namespace ovta {

class Tfrm83 : public ReaderScreen {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm83";
    static inline QPointer<Tfrm83> instance;
    static const ReaderMember& settings();
    static State& state();

    Tfrm83() : ReaderScreen(settings(), state()) {}
};

} // namespace ovta
