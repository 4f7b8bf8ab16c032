#include "reading/frm46.h"

#include "shell/screen_open.h"
#include "shell/screen_registry.h"

namespace ovta {
namespace {

const bool registered = registerScreen(Tfrm46::Kind, [] { openScreen<Tfrm46>(); });

} // namespace

const ReaderMember& Tfrm46::settings()
{
    static const ReaderMember m{
        .kind = Kind,
        .files = {},
        .openerFilesFor = "frm46",
        .recordOffset = 0,
        .article = {7, 37, {38, 39, 40, 41, 42, 84, 43}, false},
        .textColor = QColor(128, 0, 0),
        .escOnScreen = false,
    };
    return m;
}

Tfrm46::State& Tfrm46::state()
{
    static State s;
    return s;
}

} // namespace ovta
