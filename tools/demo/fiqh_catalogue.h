// The chapters and topics of jurisprudence that the question books (frm43)
// and the shelf of school books (frm410) share, so that a question's answer
// can refer to the articles of the shelf on the same topic; and the three
// schools, which are the question screen's answer categories.
#pragma once

#include <span>
#include <string_view>

namespace ovta::demo {

struct FiqhChapter {
    std::string_view title; // "الطهارة"
    std::span<const std::string_view> topics;
    int firstTopic; // catalogue number (0-based) of its first topic
};

// The ten chapters, in the order of frm43's books 1..10.
std::span<const FiqhChapter> fiqhChapters();

// Topics of all chapters together.
int fiqhTopicCount();

// The answer categories of the question screen, 1..3.
enum class School { Hanafi = 1, Shafii = 2, Maliki = 3 };
std::string_view schoolName(School school); // "الحنفية"

} // namespace ovta::demo
