#include "reading/letter_index.h"

#include <array>

namespace ovta {
namespace {

constexpr std::array<int, kLetterCount> kSet1 = {
    1,   103, 121, 125, 126, 162, 224, 239, 248, 249, 265, 290, 334, 344,
    358, 361, 0,   363, 545, 547, 562, 575, 589, 595, 741, 754, 779, 790,
};
constexpr std::array<int, kLetterCount> kSet2 = {
    1,   151, 179, 218, 224, 250, 279, 303, 307, 310, 318, 324, 356, 381,
    391, 395, 0,   409, 449, 456, 469, 496, 532, 535, 589, 614, 636, 639,
};

} // namespace

int letterEntry(int book, int tag)
{
    if (tag < 1 || tag > kLetterCount)
        return 0;
    const auto i = static_cast<std::size_t>(tag - 1);
    if (book == 1)
        return kSet1[i];
    if (book == 2)
        return kSet2[i];
    return 0;
}

} // namespace ovta
