// The Glyf01 code chart: for each byte of glyph text, the character it draws
// and in which shape. It is the one description of the encoding; the text
// encoder, the font builder and the shaping engine's tests all read it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace ovta {

// The shape of a letter, named by the sides it joins: a final shape joins on
// the right (the letter before it), an initial one on the left.
enum class GlyphForm : std::uint8_t { Isolated, Final, Initial, Medial };

// How a character takes part in joining.
enum class Joining : std::uint8_t {
    None,    // digits, punctuation, blank, hamza; and anything outside the chart
    Right,   // two-form letters: join the letter before, never the one after
    Dual,    // four-form letters
    Causing, // tatweel: one shape that joins both sides
};

struct GlyphChartEntry {
    std::uint8_t byte;
    char32_t letter;       // the character drawn; lam for the lam-alef ligatures
    char32_t alef;         // the alef of a lam-alef ligature, otherwise 0
    GlyphForm form;        // lam-alef: Final is the ligature joined on the right
    std::uint8_t position; // 1-based place in its letter group's form table, 0 outside them
    bool drawn;            // false: an alias whose byte draws the entry drawn for it
    std::string_view note; // the character's name, and why an alias is one
};

// Every entry; each charted byte has exactly one drawn entry.
std::span<const GlyphChartEntry> glyphChart();

// The entry a byte draws, or nullptr for a byte that draws nothing.
const GlyphChartEntry* chartEntry(std::uint8_t byte);

// The byte for a character in a shape, aliases included (an ASCII digit gives
// the byte of its Arabic-Indic digit). Lam-alef ligatures are found through
// lamAlefByte, not here.
std::optional<std::uint8_t> glyphByte(char32_t letter, GlyphForm form);

// The ligature of lam with the given alef (U+0622, U+0623, U+0625, U+0627):
// Final joined on the right, Isolated alone.
std::optional<std::uint8_t> lamAlefByte(char32_t alef, GlyphForm form);

// The joining of a charted character, Joining::None for any other.
Joining joiningOf(char32_t letter);

// True when the chart has a byte for the character in some shape.
bool inGlyphChart(char32_t letter);

std::string_view formName(GlyphForm form);
std::string_view joiningName(Joining joining);

} // namespace ovta
