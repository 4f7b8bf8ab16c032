// What a held arrow of a book screen repeats every 100 ms. Each arrow
// carries a code: 1..10 the up arrow of column 1..10, 11..20 the down arrow
// of column 1..10, 21 and 22 line up and line down of the content pane, 23
// and 24 the previous and next article of the article-run screen. The
// screen starts and stops the repeat with the shell's AutoRepeat and asks
// here what a tick of the code does.
#pragma once

namespace ovta {

enum class RepeatMove {
    None,
    ColumnUp,
    ColumnDown,
    LineUp,
    LineDown,
    PreviousArticle,
    NextArticle,
};

struct RepeatAction {
    RepeatMove move = RepeatMove::None;
    int column = 0; // 1..10 for the column moves, otherwise 0

    bool operator==(const RepeatAction&) const = default;
};

RepeatAction repeatAction(int code);

// The codes of a column's arrows.
inline constexpr int upArrowCode(int column)
{
    return column;
}
inline constexpr int downArrowCode(int column)
{
    return column + 10;
}

inline constexpr int kLineUpCode = 21;
inline constexpr int kLineDownCode = 22;
inline constexpr int kPreviousArticleCode = 23;
inline constexpr int kNextArticleCode = 24;

} // namespace ovta
