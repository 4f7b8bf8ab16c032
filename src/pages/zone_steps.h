// How the keys move among the zones of the page viewer's index picture:
// an arrow goes to the nearest zone that lies that way on the picture,
// Home and End to the first and last chapter.
#pragma once

#include "pages/chapter_index.h"
#include "shell/reading_keys.h"

namespace ovta {

class ZoneSteps {
public:
    // The chapter (1..count) that `move` goes to from chapter `from`; `from`
    // when no zone lies that way or the move is no step. From 0 (no zone
    // chosen yet) an arrow chooses chapter 1. 0 when there are no chapters.
    static int next(const ChapterIndex& chapters, int from, KeyMove move);
};

} // namespace ovta
