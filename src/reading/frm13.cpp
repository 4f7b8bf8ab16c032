#include "reading/frm13.h"

#include "shell/screen_open.h"
#include "shell/screen_registry.h"

namespace ovta {
namespace {

const bool registered = registerScreen(Tfrm13::Kind, [] { openScreen<Tfrm13>(); });

} // namespace

const ReaderMember& Tfrm13::settings()
{
    static const ReaderMember m{
        .kind = Kind,
        .files = {"data\\1kenor17", "data\\1kenor18", "data\\kenor19"},
        .openerFilesFor = nullptr,
        .recordOffset = 0,
        .article = {4, 32, {33, 34, 35, 36}, true},
        .textColor = QColor(128, 0, 0),
        .escOnScreen = false,
    };
    return m;
}

Tfrm13::State& Tfrm13::state()
{
    static State s;
    return s;
}

} // namespace ovta
