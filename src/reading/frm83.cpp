#include "reading/frm83.h"

#include "shell/screen_open.h"
#include "shell/screen_registry.h"

namespace ovta {
namespace {

const bool registered = registerScreen(Tfrm83::Kind, [] { openScreen<Tfrm83>(); });

} // namespace

const ReaderMember& Tfrm83::settings()
{
    static const ReaderMember m{
        .kind = Kind,
        .files = {"data\\1kenor86", "data\\1kenor85", "data\\kenor87"},
        .openerFilesFor = nullptr,
        .recordOffset = 0,
        .article = {10, 37, {73, 74, 75, 76, 77, 78, 79, 80, 81, 82}, true},
        .textColor = QColor(128, 0, 0),
        .escOnScreen = false,
    };
    return m;
}

Tfrm83::State& Tfrm83::state()
{
    static State s;
    return s;
}

} // namespace ovta
