#include "books/repeat_codes.h"

namespace ovta {

RepeatAction repeatAction(int code)
{
    if (code >= 1 && code <= 10)
        return {RepeatMove::ColumnUp, code};
    if (code >= 11 && code <= 20)
        return {RepeatMove::ColumnDown, code - 10};
    switch (code) {
    case kLineUpCode: return {RepeatMove::LineUp, 0};
    case kLineDownCode: return {RepeatMove::LineDown, 0};
    case kPreviousArticleCode: return {RepeatMove::PreviousArticle, 0};
    case kNextArticleCode: return {RepeatMove::NextArticle, 0};
    default: return {};
    }
}

} // namespace ovta
