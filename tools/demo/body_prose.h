// The body texts of the books whose headings carry a text of their own
// (frm7's seventeen books): sentences of our own by subject, and the
// standard sub-headings a heading marked "|*" in an outline receives.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "demo/book_files.h"
#include "demo/prose.h"

namespace ovta::demo {

enum class Subject { Creed, History, Biography, QuranSciences, Principles, Sects };

// Characters per line of a body text: the book screens' text label is a
// little narrower than the readers'.
inline constexpr int kBodyLineWidth = 58;

// The sub-headings a "|*" heading of the subject gets, {P} standing for it.
const std::vector<std::string_view>& standardSubHeadings(Subject subject);

// How long a heading's text is.
enum class BodySize {
    Empty,
    OneLine,
    Short, // a paragraph
    Full,  // two or three paragraphs
    Long,  // every pool of the subject, well over twenty lines
};

// The body of heading `title` in book `book`, wrapped into lines.
std::vector<std::string> bodyText(Prose& prose, Subject subject, BodySize size,
                                  std::string_view title, std::string_view book);

} // namespace ovta::demo
