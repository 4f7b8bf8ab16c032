// The fixed tables of the search box's shaping: the eight form tables (the
// shapes of the letters, position by position), the glyph classes (held as
// listed: they are not the union of the form tables), and the lam-alef
// pairs with their ligatures. Glyph codes are bytes of the Glyf01 encoding.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace ovta::shaping {

enum class Table : std::uint8_t {
    Initial4,
    Medial4,
    Final4,
    Isolated4,
    Joined2,
    Isolated2,
    LamAlefJoined,
    LamAlefIsolated,
};
inline constexpr int kTableCount = 8;

std::span<const std::uint8_t> table(Table t);
const char* tableName(Table t);

// 0-based place of the glyph in the table, or nothing when it is not there.
std::optional<int> positionIn(Table t, std::uint8_t glyph);

// The glyph's form class: the first table holding it, with its place there.
struct FormClass {
    Table table;
    int position;
};
// A glyph left of the caret is looked up in all eight tables.
std::optional<FormClass> leftFormClass(std::uint8_t glyph);
// A glyph right of the caret in the first six only: a lam-alef there has none.
std::optional<FormClass> rightFormClass(std::uint8_t glyph);

bool isDualJoining(std::uint8_t glyph);
bool isRightJoining(std::uint8_t glyph);
bool isNonJoining(std::uint8_t glyph);
bool isLamAlef(std::uint8_t glyph);

// An alef's joined shape (left) before lam (right), in visual order, and the
// ligature that replaces the two.
struct LamAlefPair {
    std::uint8_t left;
    std::uint8_t right;
    std::uint8_t ligature;
};
// In the order they are tried.
std::span<const LamAlefPair> lamAlefPairs();

} // namespace ovta::shaping
