// Building the content files of the reading screens: index lists of
// 8-character fields, titles data files, and the three files of an article
// reader (article data file, locator list, section list), all from our own
// Unicode Arabic turned into glyph text.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ovta::demo {

// Fields of 8 characters, right-aligned and zero-padded, one record after
// another on a single line (index lists read as fields have no breaks).
std::string fields(std::initializer_list<std::int64_t> values);

// A data file of titles: each add appends a title as glyph text and gives
// its (offset, length).
class TitleData {
public:
    std::pair<std::int64_t, std::int64_t> add(std::string_view utf8);
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// One sub-section of an article: wrapped lines of Unicode Arabic. An empty
// sub-section gets the pair (0, 0).
using Section = std::vector<std::string>;

// A (start, length) pair as written into the section list.
struct Pair {
    std::int64_t start = 0;
    std::int64_t length = 0;
};

// The article reader's files: articles in one data file, and per article a
// locator record and a section record of P pairs.
class ArticleFiles {
public:
    explicit ArticleFiles(int pairs) : pairs_(pairs) {}

    // An article of a heading line (left out of every sub-section, so that
    // sub-section 1 starts after it) and up to P sub-sections, written one
    // after the other with CR LF after every line. Returns the article's
    // 1-based number.
    int add(std::string_view heading, const std::vector<Section>& sections);

    // The same without a heading: sub-section 1 starts at position 0.
    int addFromStart(const std::vector<Section>& sections);

    // An article whose section record is given as it stands (for pairs that
    // point outside the text, or out of order). `text` is Unicode lines.
    int addRaw(const std::vector<std::string>& lines, const std::vector<Pair>& pairs);

    // Where sub-section k (1-based) of the article last added lies.
    Pair lastPair(int k) const { return last_.at(static_cast<std::size_t>(k - 1)); }
    std::int64_t lastLength() const { return lastLength_; }

    int count() const { return count_; }
    int pairs() const { return pairs_; }
    const std::string& data() const { return data_; }
    const std::string& locators() const { return locators_; }
    const std::string& sectionList() const { return sections_; }

private:
    int append(const std::string& glyphs, const std::vector<Pair>& pairs);

    int pairs_;
    int count_ = 0;
    std::string data_;
    std::string locators_;
    std::string sections_;
    std::vector<Pair> last_;
    std::int64_t lastLength_ = 0;
};

// One line of Unicode Arabic as glyph text; throws ConversionError when it
// holds a byte that would break the line structure.
std::string glyphLine(std::string_view utf8);

} // namespace ovta::demo
