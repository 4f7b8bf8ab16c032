#include "books/caption_wrap.h"

namespace ovta {
namespace {

// Where the rest starts once words have moved off the start of `text`, and
// whether `text` fits as it is (at most `limit` wide).
//
// The rest can start right after any blank that still has a word after it.
// Moving words from the left stops at the first of those starts whose rest
// is narrower than the limit. Since a longer rest is never narrower, that is
// found from the right end: rests are measured from the shortest, and only
// until one is too wide, so a title of any length costs about as many
// measures as the words of its last line, never one per word of the text.
struct Scan {
    std::size_t restStart = 0;
    bool fits = false;
};

Scan scan(std::string_view text, const TextWidth& width, int limit)
{
    Scan s;
    int tooWide = -1;
    bool first = true;
    const auto lastWord = text.find_last_not_of(' ');
    for (auto end = lastWord; lastWord != std::string_view::npos && end > 0;) {
        const auto blank = text.rfind(' ', end - 1);
        if (blank == std::string_view::npos)
            break;
        // The shortest rest is where moving stops if none is narrow enough.
        if (first)
            s.restStart = blank + 1;
        first = false;
        const int w = width(text.substr(blank + 1));
        if (w >= limit) {
            tooWide = w;
            break;
        }
        s.restStart = blank + 1;
        end = blank;
    }
    // A rest wider than the limit already shows that the whole text is.
    if (tooWide > limit)
        return s;
    const int whole = width(text);
    s.fits = whole <= limit;
    if (tooWide < 0 && whole < limit)
        s.restStart = 0;
    return s;
}

} // namespace

CaptionSplit splitCaption(std::string_view text, const TextWidth& width, int limit)
{
    const Scan s = scan(text, width, limit);
    return {std::string(text.substr(0, s.restStart)), std::string(text.substr(s.restStart))};
}

std::string wrapPathCaption(std::string_view caption, const TextWidth& width, int limit)
{
    if (!width)
        return std::string(caption);
    const Scan s = scan(caption, width, limit);
    if (s.fits || s.restStart == 0)
        return std::string(caption);
    return std::string(caption.substr(s.restStart)) + "\r\n" +
           std::string(caption.substr(0, s.restStart));
}

std::vector<std::string> wrapQuestionTitle(std::string_view title, const TextWidth& width,
                                           int limit)
{
    std::vector<std::string> lines;
    std::string_view left = title;
    while (width) {
        const Scan s = scan(left, width, limit);
        // Fitting, or down to one word too wide as it is: the last line.
        if (s.fits || s.restStart == 0)
            break;
        lines.emplace_back(left.substr(s.restStart));
        left = left.substr(0, s.restStart);
    }
    lines.emplace_back(left);
    return lines;
}

} // namespace ovta
