#include "reading/reader_settings.h"

#include <array>
#include <cstring>
#include <stdexcept>
#include <string>

namespace ovta {
namespace {

const QColor kBlue(0, 0, 255);
const QColor kMaroon(128, 0, 0);

// frm03 reads the files frm02 or frm04 loaded for it, record CurrentItem - 1,
// and is the one reader that Esc closes from anywhere; frm46 reads frm45's.
// clang-format off
const std::array<ReaderSettings, 5> kReaders{{
    {"frm03", {}, "frm03", -1,
     {7, 17, {18, 19, 83, 20, 21, 22, 23}, false}, kBlue, true},
    {"frm13", {"data\\1kenor17", "data\\1kenor18", "data\\kenor19"}, nullptr, 0,
     {4, 32, {33, 34, 35, 36}, true}, kMaroon, false},
    {"frm46", {}, "frm46", 0,
     {7, 37, {38, 39, 40, 41, 42, 84, 43}, false}, kMaroon, false},
    {"frm65", {"data\\1kenor618", "data\\1kenor619", "data\\kenor620"}, nullptr, 0,
     {5, 32, {89, 90, 91, 92, 93}, true}, kBlue, false},
    {"frm83", {"data\\1kenor86", "data\\1kenor85", "data\\kenor87"}, nullptr, 0,
     {10, 37, {73, 74, 75, 76, 77, 78, 79, 80, 81, 82}, true}, kMaroon, false},
}};
// clang-format on

} // namespace

const ReaderSettings& readerSettings(const char* kind)
{
    for (const ReaderSettings& row : kReaders)
        if (std::strcmp(row.kind, kind) == 0)
            return row;
    throw std::logic_error(std::string("no reader settings for ") + kind);
}

} // namespace ovta
