// The three letter tables of the search box, for an Arabic PC keyboard
// layout used through a US layout: each key's character code types the
// letter printed on that key of the Arabic layout ("f" beh, "g" lam, "h"
// alef, shifted "H", "N" and "Y" the hamza and madda alefs, "b" lam-alef).
//   "data\13.txt"  127 fields: the letter number of character code k
//   "data\1c2.txt" record n: first and last form index of letter n
//   "data\1c1.txt" field i: the glyph code of form index i
// Record 0 and form index 0 are left at 0: letter 0 and index 0 type nothing.
#pragma once

#include <span>
#include <string>

namespace ovta::demo {

// One letter of the tables: the keys that type it and what it is.
struct SearchLetter {
    std::string_view keys; // character codes of the keys, usually one
    char32_t letter;       // Unicode letter; lam for a lam-alef
    char32_t alef = 0;     // the alef of a lam-alef typed as one key
    int forms = 0;         // 4, 2 or 1
};

// Every letter, in letter-number order from 1.
std::span<const SearchLetter> searchLetters();

std::string keyLetterFile(); // data\13.txt
std::string formRangeFile(); // data\1c2.txt
std::string formGlyphFile(); // data\1c1.txt

} // namespace ovta::demo
