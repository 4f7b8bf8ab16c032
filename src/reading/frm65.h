// frm65: the article reader of the Quran commentary, opened by the book viewer
// frm64.
#pragma once

#include <QPointer>

#include "reading/reader_screen.h"

namespace ovta {

class Tfrm65 : public ReaderScreen {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm65";
    static inline QPointer<Tfrm65> instance;
    static const ReaderMember& settings();
    static State& state();

    Tfrm65() : ReaderScreen(settings(), state()) {}
};

} // namespace ovta
