// Small letter tables for tests: the three files of the search box written
// from a few letters, with room for the damaged records the tests need.
#pragma once

#include <array>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "store/index_list.h"
#include "search/letter_tables.h"

namespace ovta::test {

class LetterTableBuilder {
public:
    // A letter typed by each of `keys`, with these glyph codes as its forms.
    LetterTableBuilder& letter(const std::string& keys, std::initializer_list<long> glyphs)
    {
        const long first = static_cast<long>(glyphs_.size());
        glyphs_.insert(glyphs_.end(), glyphs.begin(), glyphs.end());
        return range(keys, first, first + static_cast<long>(glyphs.size()) - 1);
    }

    // A letter whose record holds these form indexes as they stand.
    LetterTableBuilder& range(const std::string& keys, long first, long last)
    {
        ranges_.push_back({first, last});
        return keysTo(keys, static_cast<long>(ranges_.size()) - 1);
    }

    // The keys type this letter number, whether or not it has a record.
    LetterTableBuilder& keysTo(const std::string& keys, long letter)
    {
        for (char k : keys)
            keyLetters_[static_cast<unsigned char>(k)] = letter;
        return *this;
    }

    // Extra glyph fields at the end of the glyph file (for ranges into them).
    long glyphIndex() const { return static_cast<long>(glyphs_.size()); }
    LetterTableBuilder& glyph(long code)
    {
        glyphs_.push_back(code);
        return *this;
    }

    std::string keyFile() const
    {
        std::string out;
        for (int k = 1; k <= 127; ++k)
            out += field(keyLetters_[static_cast<std::size_t>(k)]);
        return out + "\r\n";
    }
    std::string rangeFile() const
    {
        std::string out;
        for (const auto& [first, last] : ranges_)
            out += field(first) + field(last);
        return out + "\r\n";
    }
    std::string glyphFile() const
    {
        std::string out;
        for (long g : glyphs_)
            out += field(g);
        return out + "\r\n";
    }

    LetterTables tables() const
    {
        return LetterTables::fromLists(IndexList::fromBytes("data\\13.txt", keyFile()),
                                       IndexList::fromBytes("data\\1c2.txt", rangeFile()),
                                       IndexList::fromBytes("data\\1c1.txt", glyphFile()));
    }

    static std::string field(long value)
    {
        char buf[24];
        std::snprintf(buf, sizeof buf, "%8ld", value);
        return buf;
    }

private:
    std::array<long, 128> keyLetters_{};
    std::vector<std::pair<long, long>> ranges_{{0, 0}}; // record 0: no letter
    std::vector<long> glyphs_{0};                       // form index 0: unused
};

// The letters the shaping tests type, a few of each kind, as an Arabic PC
// keyboard places them.
inline LetterTableBuilder shapingLetters()
{
    LetterTableBuilder b;
    b.letter("f", {0x4D, 0x4C, 0x4B, 0x4A})    // beh
        .letter("g", {0xA7, 0xA6, 0xA5, 0xA4}) // lam
        .letter("t", {0x97, 0x96, 0x95, 0x94}) // feh: isolated 94
        .letter("z", {0xC4, 0xC3, 0xEA, 0xEB}) // yeh with hamza: final EA is in no class
        .letter("o", {0x69, 0x68, 0x67, 0x66}) // khah: medial 68 is in no class
        .letter("h", {0x42, 0x41})             // alef
        .letter("H", {0x46, 0x45})             // alef with hamza above
        .letter("N", {0x44, 0x43})             // alef with madda
        .letter("Y", {0x48, 0x47})             // alef with hamza below
        .letter("v", {0x6F, 0x6E})             // reh
        .letter("m", {0xB9, 0xB8})             // teh marbuta
        .letter("b", {0xC0, 0xBF})             // lam-alef on one key
        .letter("x", {0x8E})                   // hamza
        .letter(" ", {0x20});
    return b;
}

} // namespace ovta::test
