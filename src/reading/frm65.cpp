#include "reading/frm65.h"

#include "shell/screen_open.h"
#include "shell/screen_registry.h"

namespace ovta {
namespace {

const bool registered = registerScreen(Tfrm65::Kind, [] { openScreen<Tfrm65>(); });

} // namespace

const ReaderMember& Tfrm65::settings()
{
    static const ReaderMember m{
        .kind = Kind,
        .files = {"data\\1kenor618", "data\\1kenor619", "data\\kenor620"},
        .openerFilesFor = nullptr,
        .recordOffset = 0,
        .article = {5, 32, {89, 90, 91, 92, 93}, true},
        .textColor = QColor(0, 0, 255),
        .escOnScreen = false,
    };
    return m;
}

Tfrm65::State& Tfrm65::state()
{
    static State s;
    return s;
}

} // namespace ovta
