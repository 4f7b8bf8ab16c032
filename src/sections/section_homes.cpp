#include "sections/section_homes.h"

#include "shell/screen_open.h"
#include "shell/screen_registry.h"

namespace ovta {
namespace {

template <class Home> bool registerHome()
{
    return registerScreen(Home::Kind, [] { openScreen<Home>(); });
}

const bool registered = registerHome<Tfrm01>() && registerHome<Tfrm11>() &&
                        registerHome<Tfrm21>() && registerHome<Tfrm31>() &&
                        registerHome<Tfrm41>() && registerHome<Tfrm51>() &&
                        registerHome<Tfrm61>() && registerHome<Tfrm71>() && registerHome<Tfrm81>();

}  // namespace
}  // namespace ovta
