// The three letter tables of the search box, content files of 8-character
// decimal fields: which letter each key types ("data\13.txt"), the range of
// form indexes of each letter ("data\1c2.txt") and the glyph code at each
// form index ("data\1c1.txt"). The key table is parsed whole when loaded;
// the other two are read field by field as keys are typed, so a bad field
// there surfaces only when its letter is typed.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "store/index_list.h"

namespace ovta {

class ContentDir;

// A letter's shapes in the order of its range: four forms (initial, medial,
// final, isolated), two (joined on the right, isolated) or one.
struct LetterForms {
    std::array<std::uint8_t, 4> glyphs{};
    int count = 0; // 0: the key types nothing
};

class LetterTables {
public:
    static constexpr const char* KeyLetterFile = "data\\13.txt";
    static constexpr const char* FormRangeFile = "data\\1c2.txt";
    static constexpr const char* FormGlyphFile = "data\\1c1.txt";
    static constexpr int KeyCount = 127;

    // Tables that are not loaded: every key types nothing.
    LetterTables() = default;

    // Loads the three files. Throws FileError naming a missing file, and
    // ConversionError quoting a field of the key table that is not a number.
    static LetterTables load(const ContentDir& dir);
    // The same over lists already in memory.
    static LetterTables fromLists(IndexList keyLetters, IndexList formRanges, IndexList formGlyphs);

    bool loaded() const { return loaded_; }

    // The letter number of the key with character code `code` (1..127); 0
    // for any other code.
    int letterOf(int code) const;

    // The forms of letter `letter`, read from its record of the range table.
    // A range with a first or last index of 0, a last index below the first,
    // or three forms gives count 0. Throws ConversionError for a field that
    // is not a number or lies past the end of its file, RangeError for a
    // range of more than four forms or a glyph code outside 1..255.
    LetterForms formsOf(int letter) const;

private:
    std::array<std::int32_t, KeyCount + 1> keyLetters_{};
    IndexList formRanges_;
    IndexList formGlyphs_;
    bool loaded_ = false;
};

} // namespace ovta
