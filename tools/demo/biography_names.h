// Names for the biographies section: first names by their first letter
// (the 28 letters in the order of the alphabetical list's letter index,
// alef first), fathers' names, and the towns behind the nisbas.
#pragma once

#include <span>
#include <string_view>

namespace ovta::demo {

// First names starting with letter `tag` (1 alef .. 28 ya); empty for zah
// (17), which starts no name of the lists. Some are honorifics of later
// centuries ("... الدين"), which only the scholars carry.
std::span<const std::string_view> firstNames(int tag);
bool isHonorific(std::string_view name);

std::span<const std::string_view> fatherNames();

// A nisba and where it points: a town, or for the tribes of the first
// generation the tribe's land.
struct Nisba {
    std::string_view name; // "البغدادي", "الأنصاري"
    std::string_view town; // "بغداد", "المدينة"
};
std::span<const Nisba> townNisbas();
std::span<const Nisba> tribeNisbas();

} // namespace ovta::demo
