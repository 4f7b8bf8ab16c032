// The nine section homes. Each kind is its row of the settings table and its
// own module-level state; everything else is the one home design.
#pragma once

#include "sections/section_home.h"
#include "shell/screen_kind.h"

namespace ovta {

template <KindName K>
class THome : public SectionHome, public ScreenKind<THome<K>, HomeState> {
public:
    static constexpr const char* Kind = K.text;
    THome() : SectionHome(Kind, THome::state()) {}
};

using Tfrm01 = THome<"frm01">; // landmarks
using Tfrm11 = THome<"frm11">; // notable figures
using Tfrm21 = THome<"frm21">; // the Prophet's biography
using Tfrm31 = THome<"frm31">; // creeds
using Tfrm41 = THome<"frm41">; // jurisprudence
using Tfrm51 = THome<"frm51">; // history
using Tfrm61 = THome<"frm61">; // the Quran
using Tfrm71 = THome<"frm71">; // principles of jurisprudence
using Tfrm81 = THome<"frm81">; // sects

}  // namespace ovta
