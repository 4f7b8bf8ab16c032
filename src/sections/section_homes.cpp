#include "sections/section_homes.h"

namespace ovta {
namespace {

const bool registered =
    registerKinds<Tfrm01, Tfrm11, Tfrm21, Tfrm31, Tfrm41, Tfrm51, Tfrm61, Tfrm71, Tfrm81>();

}  // namespace
}  // namespace ovta
