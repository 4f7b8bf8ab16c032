// The seventeen books of frm7, chosen by CurrentBook 1..17: their files,
// their title heading and their outlines of headings. Marks after a heading
// ("|x"): * standard sub-headings of the subject, 0 an empty text,
// 1 a one-line text, L a long text; otherwise headings with sub-headings
// get a paragraph (or none) and the others two or three.
#pragma once

#include <span>
#include <string_view>

#include "demo/body_prose.h"

namespace ovta::demo {

struct BodyBook {
    int book; // CurrentBook
    std::string_view tree, titles, bodies;
    int heading; // TitleTable entry of the book's title
    Subject subject;
    std::string_view outline;
};

std::span<const BodyBook> bodyBooks();

} // namespace ovta::demo
