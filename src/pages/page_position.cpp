#include "pages/page_position.h"

#include "pages/chapter_index.h"

namespace ovta {

void PagePosition::reset()
{
    page_ = kFirstPage;
    chapter_ = 1;
}

void PagePosition::openChapter(const ChapterIndex& chapters, int chapter)
{
    chapter_ = chapter;
    page_ = chapters.firstPage(chapter);
}

bool PagePosition::nextPage(const ChapterIndex& chapters)
{
    if (atLastPage())
        return false;
    page_ += kStep;
    while (chapter_ < chapters.count() && chapters.firstPage(chapter_ + 1) <= page_)
        ++chapter_;
    return true;
}

bool PagePosition::previousPage(const ChapterIndex& chapters)
{
    if (atFirstPage())
        return false;
    page_ -= kStep;
    while (chapter_ > 1 && page_ < chapters.firstPage(chapter_))
        --chapter_;
    return true;
}

bool PagePosition::nextChapter(const ChapterIndex& chapters)
{
    if (atLastPage() || chapter_ >= chapters.count())
        return false;
    ++chapter_;
    page_ = chapters.firstPage(chapter_);
    return true;
}

bool PagePosition::previousChapter(const ChapterIndex& chapters)
{
    if (atFirstPage() || chapter_ <= 1)
        return false;
    --chapter_;
    page_ = chapters.firstPage(chapter_);
    return true;
}

} // namespace ovta
