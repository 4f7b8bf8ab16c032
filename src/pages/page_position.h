// Where the page viewer stands: the page shown and the chapter it belongs
// to, and the four moves of the button bar. Pages go two at a time (only
// odd pages are pictures) between page 1 and page 603.
//
// The moves never leave those bounds, whatever the first-page list holds:
// a page that is no odd number cannot step past either end, and the
// chapter stays within the chapters the lists describe. The chapter
// follows the page over every chapter boundary the step crosses, so
// chapters that begin on one and the same page are passed as one.
#pragma once

namespace ovta {

class ChapterIndex;

class PagePosition {
public:
    static constexpr int kFirstPage = 1;
    static constexpr int kLastPage = 603;
    static constexpr int kStep = 2;

    int page() const { return page_; }
    int chapter() const { return chapter_; }

    // Page 1 of chapter 1, as a new viewer starts.
    void reset();

    // Chapter `chapter` (1..count) at its first page.
    void openChapter(const ChapterIndex& chapters, int chapter);

    // Each move returns false and changes nothing when it is not possible;
    // otherwise the page to show has changed (or been set again).
    bool nextPage(const ChapterIndex& chapters);
    bool previousPage(const ChapterIndex& chapters);
    bool nextChapter(const ChapterIndex& chapters);
    bool previousChapter(const ChapterIndex& chapters);

private:
    bool atLastPage() const { return page_ > kLastPage - kStep; }
    bool atFirstPage() const { return page_ < kFirstPage + kStep; }

    int page_ = kFirstPage;
    int chapter_ = 1;
};

} // namespace ovta
