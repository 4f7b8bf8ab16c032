#include "reading/frm03.h"

#include "shell/screen_open.h"
#include "shell/screen_registry.h"

namespace ovta {
namespace {

const bool registered = registerScreen(Tfrm03::Kind, [] { openScreen<Tfrm03>(); });

} // namespace

const ReaderMember& Tfrm03::settings()
{
    static const ReaderMember m{
        .kind = Kind,
        .files = {},
        .openerFilesFor = "frm03",
        .recordOffset = -1,
        .article = {7, 17, {18, 19, 83, 20, 21, 22, 23}, false},
        .textColor = QColor(0, 0, 255),
        .escOnScreen = true,
    };
    return m;
}

Tfrm03::State& Tfrm03::state()
{
    static State s;
    return s;
}

} // namespace ovta
