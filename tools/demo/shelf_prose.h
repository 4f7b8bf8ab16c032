// The articles of the shelf of school books (frm410) and of the general
// references that only the question screen reaches: sentences of our own by
// kind of book, and the headings each kind gives a topic.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "demo/fiqh_catalogue.h"
#include "demo/prose.h"

namespace ovta::demo {

enum class ShelfKind { Text, Commentary, Summary, Gloss, Rulings, Cases, General };

// Characters per line of a shelf article: frm410's text label is 493 pixels.
inline constexpr int kShelfLineWidth = 54;

// The headings a book of the kind puts under a topic, {P} standing for the
// topic; a book uses the first few of them.
const std::vector<std::string_view>& shelfSubHeadings(ShelfKind kind);

struct ShelfArticle {
    std::string_view heading; // the first line
    std::string_view topic;
    std::string_view chapter;
    std::string_view school; // empty for the general references
    bool longText = false;
};

// The article's lines: its heading, then a paragraph or two (all pools of
// the kind and a closing one for a long text).
std::vector<std::string> shelfArticleText(Prose& prose, ShelfKind kind, const ShelfArticle& a);

} // namespace ovta::demo
