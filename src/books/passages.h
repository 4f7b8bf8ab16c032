// The recitation passages of a heading: a run of segments of the one sound
// file, offered in a chooser whose items are numbered. Picking an item gives
// the passage's start and end positions in the sound player's time unit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/index_list.h"

namespace ovta {

struct Passage {
    std::int32_t start = 0;
    std::int32_t end = 0;

    bool operator==(const Passage&) const = default;
};

class Passages {
public:
    static constexpr int Capacity = 13;

    // Fills the chooser with segments first..last of `segments` (16-character
    // records (start, end); segment s is record s - 1) when first is not 0
    // and last is not below it; otherwise it is left without items. Item i
    // is the number i + 1, a blank and `word`; after each one the chooser's
    // text and the name label show `caption`. Items grow as they are read:
    // a bad record (ConversionError) or a fourteenth passage (RangeError)
    // stops the filling with the items before it.
    void fill(const IndexList& segments, std::int32_t first, std::int32_t last,
              const std::string& word, const std::string& caption);

    // The items go (showing columns near the root does this); the text stays.
    void clearItems();
    // The chooser's text and the name label are emptied.
    void clearText();

    const std::vector<std::string>& items() const { return items_; }
    const std::vector<Passage>& passages() const { return passages_; }
    const std::string& text() const { return text_; }
    const std::string& name() const { return name_; }

    // Typing in the chooser: its text, which the name label follows.
    void setText(std::string text);
    // Picking item i: the chooser shows it, the name label follows, and the
    // passage to play is returned. Throws RangeError for an item it lacks.
    Passage pick(int i);

private:
    std::vector<std::string> items_;
    std::vector<Passage> passages_;
    std::string text_;
    std::string name_;
};

} // namespace ovta
