// frm03: the article reader of the landmarks, opened by the topic list frm02 and
// the topic index frm04 with the files they loaded for it; it reads record
// CurrentItem - 1 and is the one reader that Esc closes from anywhere.
#pragma once

#include <QPointer>

#include "reading/reader_screen.h"

namespace ovta {

class Tfrm03 : public ReaderScreen {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm03";
    static inline QPointer<Tfrm03> instance;
    static const ReaderMember& settings();
    static State& state();

    Tfrm03() : ReaderScreen(settings(), state()) {}
};

} // namespace ovta
