#include "books/book_viewer_settings.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace ovta {
namespace {

const QColor kMaroon(128, 0, 0);
const QColor kBlueGrey(46, 95, 169);

// The layouts set the caption at 19 pixels; three screens set it again at
// creation to 14 points of the same face.
constexpr int kLayoutSize = -19;
constexpr int kCreationSize = 14;
// frm410's text label holds nine lines in 161 pixels: at the layout's 19
// pixels the lines of the glyph face run into each other, so it is set a
// size smaller, at which nine lines stand clear.
constexpr int kRunTextSize = -15;

// clang-format off
const BookViewerSettings kSettings[] = {
    {.kind = "frm14", .screen = BookScreen::Frm14, .book = BookChoice::OneBook,
     .pathColor = kMaroon, .pathSize = kLayoutSize, .articleRowSize = -19,
     .textSize = 0, .opens = "frm13", .showsPaneAfterStart = true},
    {.kind = "frm64", .screen = BookScreen::Frm64, .book = BookChoice::OneBook,
     .pathColor = kBlueGrey, .pathSize = kCreationSize, .articleRowSize = -21,
     .textSize = 0, .opens = "frm65", .showsPaneAfterStart = true},
    {.kind = "frm43", .screen = BookScreen::Frm43, .book = BookChoice::CurrentBook,
     .pathColor = kBlueGrey, .pathSize = kLayoutSize, .articleRowSize = -19,
     .textSize = 0, .opens = "frm42", .showsPaneAfterStart = false},
    {.kind = "frm7", .screen = BookScreen::Frm7, .book = BookChoice::CurrentBook,
     .pathColor = kMaroon, .pathSize = kCreationSize, .articleRowSize = 0,
     .textSize = 14, .opens = nullptr, .showsPaneAfterStart = false},
    {.kind = "frm63", .screen = BookScreen::Frm63, .book = BookChoice::OneBook,
     .pathColor = kMaroon, .pathSize = kCreationSize, .articleRowSize = 0,
     .textSize = -19, .opens = nullptr, .showsPaneAfterStart = false},
    {.kind = "frm410", .screen = BookScreen::Frm410, .book = BookChoice::CurrentItem,
     .pathColor = kMaroon, .pathSize = kLayoutSize, .articleRowSize = 0,
     .textSize = kRunTextSize, .opens = nullptr, .showsPaneAfterStart = true},
};
// clang-format on

} // namespace

const BookViewerSettings& bookViewerSettings(const char* kind)
{
    for (const BookViewerSettings& s : kSettings)
        if (std::strcmp(s.kind, kind) == 0)
            return s;
    throw std::logic_error(std::string("no book screen ") + kind);
}

const layout::BookScreenLayout& bookViewerLayout(const char* kind)
{
    return layout::bookScreenLayout(kind);
}

} // namespace ovta
