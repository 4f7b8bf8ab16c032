// Readable Arabic of our own making for the demo articles: sentences drawn
// from patterns of our own writing, with named slots ({N}, {R}, ...) filled
// per article, put together into paragraphs and wrapped into the short
// lines the readers show (their text label does not wrap).
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "demo/demo_random.h"

namespace ovta::demo {

using Slots = std::map<char, std::string>;

// Characters per line of an article: a line of the readers' text label
// (512 pixels of 19-pixel bold glyphs) holds about seventy.
inline constexpr int kArticleLineWidth = 62;

class Prose {
public:
    explicit Prose(std::uint64_t seed) : random_(seed) {}

    // Evenly in 0 .. n - 1 (0 when n <= 0).
    int below(int n);
    // One of the choices.
    std::string_view pick(std::span<const std::string_view> choices);

    // The pattern with every {X} replaced by slot X.
    static std::string fill(std::string_view pattern, const Slots& slots);

    // The pool's first sentence, which opens the paragraph, and n - 1 others
    // (all of them when it holds fewer), in the pool's order, filled and
    // joined with blanks.
    std::string paragraph(std::span<const std::string_view> pool, int n, const Slots& slots);

    // Lines of at most `width` characters, broken at blanks; a longer word
    // stands on a line of its own.
    static std::vector<std::string> wrap(std::string_view text, int width = kArticleLineWidth);

private:
    DemoRandom random_;
};

} // namespace ovta::demo
