#include "search/fulltext_index.h"

#include <algorithm>
#include <functional>

#include "search/utf8.h"

namespace ovta {

namespace {

// Ends every document's folded text; folding never produces it.
constexpr char16_t Separator = 0xFFFF;
constexpr std::size_t MarkEvery = 64;

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0x00A0 || c == 0x200F ||
           c == 0x200E || c == 0x000B || c == 0x000C;
}

// Short vowels and the other marks written over or under a letter.
bool isMark(char16_t c)
{
    return (c >= 0x064B && c <= 0x065F) || c == 0x0670;
}

// The folded form of one character, 0 for one that folding drops. Blanks
// come out as ' '; the caller collapses runs of them.
char16_t foldChar(char16_t c)
{
    if (isMark(c) || c == 0x0640 || c == Separator || c == 0)
        return 0;
    if (c == 0x0622 || c == 0x0623 || c == 0x0625 || c == 0x0671)
        return 0x0627;
    if (c >= 0x0660 && c <= 0x0669)
        return static_cast<char16_t>(u'0' + (c - 0x0660));
    if (c >= 0x06F0 && c <= 0x06F9)
        return static_cast<char16_t>(u'0' + (c - 0x06F0));
    if (c >= u'A' && c <= u'Z')
        return static_cast<char16_t>(c - u'A' + u'a');
    if (isBlank(c))
        return u' ';
    return c;
}

// Folds `text` from `from`, calling out(folded char, original offset) for
// each folded character; `blankBefore` tells whether the folded text so far
// ends in a blank.
template <typename Out>
void foldRun(std::u16string_view text, std::size_t from, bool blankBefore, Out&& out)
{
    for (std::size_t i = from; i < text.size(); ++i) {
        const char16_t f = foldChar(text[i]);
        if (f == 0)
            continue;
        if (f == u' ') {
            if (blankBefore)
                continue;
            blankBefore = true;
        } else {
            blankBefore = false;
        }
        if (!out(f, i))
            return;
    }
}

} // namespace

std::u16string utf8ToUtf16(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto read = readUtf8(utf8, i);
        if (!read) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        i += read->length;
        char32_t c = read->value;
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

std::u16string foldForSearch(std::u16string_view text)
{
    std::u16string folded;
    foldRun(text, 0, false, [&](char16_t f, std::size_t) {
        folded.push_back(f);
        return true;
    });
    return folded;
}

namespace {

// The heading whose part holds `offset`, or null before the first.
const DocumentHeading* headingOver(const std::vector<DocumentHeading>& headings,
                                   std::size_t offset)
{
    const auto after =
        std::upper_bound(headings.begin(), headings.end(), offset,
                         [](std::size_t at, const DocumentHeading& h) { return at < h.offset; });
    return after == headings.begin() ? nullptr : &*std::prev(after);
}

} // namespace

const std::string& Document::headingAt(std::size_t offset) const
{
    static const std::string none;
    const DocumentHeading* h = headingOver(headings, offset);
    return h ? h->heading : none;
}

TextPlace Document::placeAt(std::size_t offset) const
{
    TextPlace at = place;
    if (const DocumentHeading* h = headingOver(headings, offset); h && h->node != 0)
        at.node = h->node;
    return at;
}

void FullTextIndex::add(Document document)
{
    Entry entry;
    entry.foldedStart = folded_.size();
    entry.text = utf8ToUtf16(document.text);
    std::size_t count = 0;
    foldRun(entry.text, 0, false, [&](char16_t f, std::size_t original) {
        if (count % MarkEvery == 0)
            entry.marks.push_back(static_cast<std::uint32_t>(original));
        folded_.push_back(f);
        ++count;
        return true;
    });
    folded_.push_back(Separator);
    entries_.push_back(std::move(entry));
    documents_.push_back(std::move(document));
}

std::size_t FullTextIndex::originalOffset(const Entry& entry, std::size_t foldedOffset) const
{
    const std::size_t mark = foldedOffset / MarkEvery;
    if (mark >= entry.marks.size())
        return entry.text.size();
    std::size_t count = mark * MarkEvery;
    const bool blankBefore = count > 0 && folded_[entry.foldedStart + count - 1] == u' ';
    std::size_t found = entry.text.size();
    foldRun(entry.text, entry.marks[mark], blankBefore, [&](char16_t, std::size_t original) {
        if (count == foldedOffset) {
            found = original;
            return false;
        }
        ++count;
        return true;
    });
    return found;
}

std::string FullTextIndex::contextOf(const Entry& entry, std::size_t start, std::size_t end) const
{
    const std::u16string& text = entry.text;
    std::size_t from = start > ContextChars ? start - ContextChars : 0;
    std::size_t to = std::min(text.size(), end + ContextChars);
    // Whole words at both ends where there is a blank to cut at.
    if (from > 0) {
        const auto blank = text.find_first_of(u" \n", from);
        if (blank != std::u16string::npos && blank < start)
            from = blank + 1;
    }
    if (to < text.size()) {
        const auto blank = text.find_last_of(u" \n", to);
        if (blank != std::u16string::npos && blank >= end)
            to = blank;
    }
    std::u16string shown;
    shown.reserve(to - from);
    for (std::size_t i = from; i < to; ++i) {
        const char16_t c = text[i];
        const bool blank = isBlank(c);
        if (blank && !shown.empty() && shown.back() == u' ')
            continue;
        shown.push_back(blank ? u' ' : c);
    }
    return utf16ToUtf8(shown);
}

std::vector<FullTextHit> FullTextIndex::find(std::string_view utf8Query, std::size_t limit,
                                             bool* more) const
{
    if (more)
        *more = false;
    std::u16string query = foldForSearch(utf8ToUtf16(utf8Query));
    while (!query.empty() && query.front() == u' ')
        query.erase(query.begin());
    while (!query.empty() && query.back() == u' ')
        query.pop_back();
    std::vector<FullTextHit> hits;
    if (query.empty() || limit == 0)
        return hits;

    const std::boyer_moore_horspool_searcher searcher(query.begin(), query.end());
    auto at = folded_.begin();
    std::size_t entry = 0;
    while (true) {
        const auto found = std::search(at, folded_.end(), searcher);
        if (found == folded_.end())
            break;
        if (hits.size() == limit) {
            if (more)
                *more = true;
            break;
        }
        const auto position = static_cast<std::size_t>(found - folded_.begin());
        while (entry + 1 < entries_.size() && entries_[entry + 1].foldedStart <= position)
            ++entry;
        const Entry& e = entries_[entry];
        const std::size_t first = position - e.foldedStart;
        const std::size_t start = originalOffset(e, first);
        std::size_t end = originalOffset(e, first + query.size() - 1) + 1;
        // The last letter's own marks belong to the match.
        while (end < e.text.size() && isMark(e.text[end]))
            ++end;
        hits.push_back(FullTextHit{entry, start, end - start, contextOf(e, start, end)});
        at = found + static_cast<std::ptrdiff_t>(query.size());
    }
    return hits;
}

} // namespace ovta
