// The sentences of the landmark articles (reader frm03): for each of the
// seven sub-sections a pool of patterns of our own writing, some shared by
// every kind of landmark and some for one kind only. Slots: {N} the
// landmark's name, {C} its town or region, {D} a direction, {K} a distance,
// {H} a century in words, {Y} a year.
#pragma once

#include <span>
#include <string_view>

namespace ovta::demo {

// The kinds of landmark, one per group of the topic list.
enum class LandmarkKind { Mosque, City, Mountain, Water, Fort, School, Battle, Market };

// Sentences for sub-section `section` (1..7) of a landmark of `kind`.
std::span<const std::string_view> landmarkSentences(LandmarkKind kind, int section);

} // namespace ovta::demo
