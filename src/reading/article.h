// One article of a reader: its text, cut from the article data file by the
// article's locator record, and its sub-sections, (start, length) pairs of
// the article's section record. From these the reader builds the whole text
// (the sub-sections joined in pair order, an empty line between them) and
// its sub-section chooser.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/data_file.h"
#include "store/index_list.h"

namespace ovta {

struct SectionPair {
    std::int32_t start = 0;
    std::int32_t length = 0;
};

// What a chooser entry shows: 0 the whole text, k sub-section k.
struct ChooserEntry {
    int caption; // TitleTable entry of its caption
    int shows;
};

struct ArticleRules {
    int pairs = 0;                 // P, pairs in a section record
    int wholeCaption = 0;          // TitleTable entry of the whole-text entry
    std::vector<int> captions;     // TitleTable entries of sub-sections 1..P
    bool needsNonEmptyCut = false; // an entry also needs text to show
};

// The article text of record `record` of the locator list. Throws
// ConversionError for a record the list does not have.
std::string readArticle(const IndexList& locators, const DataFile& articles, std::int64_t record);

// The `pairs` pairs of record `record` of the section list.
std::vector<SectionPair> readSections(const IndexList& sections, std::int64_t record, int pairs);

class Article {
public:
    explicit Article(ArticleRules rules) : rules_(std::move(rules)) {}

    const ArticleRules& rules() const { return rules_; }

    void setText(std::string text) { text_ = std::move(text); }
    const std::string& text() const { return text_; }
    void setSections(std::vector<SectionPair> pairs) { pairs_ = std::move(pairs); }
    const std::vector<SectionPair>& sections() const { return pairs_; }

    // Sub-section k (1-based): from its start for its length, both clipped
    // to the text; empty for a k the record does not have.
    std::string cut(int k) const;

    // Every non-empty sub-section in pair order, an empty line between two.
    std::string whole() const;

    // The chooser: the whole-text entry, then one entry for each sub-section
    // with a start and a length other than 0 (and, where the rules say so,
    // a non-empty cut). A sub-section starting at 0 so gets no entry.
    std::vector<ChooserEntry> chooser() const;

private:
    ArticleRules rules_;
    std::string text_;
    std::vector<SectionPair> pairs_;
};

} // namespace ovta
