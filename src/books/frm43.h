// frm43: the question lists of ten books. A heading's articles are the
// questions of the book, listed in `ls2`; a double click or Enter opens
// the question screen, which reads the list through QuestionSource.
#pragma once

#include "books/book_viewer.h"
#include "books/question_source.h"

namespace ovta {

class Tfrm43 : public BookViewer,
               public QuestionSource,
               public ScreenKind<Tfrm43, BookViewerState> {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm43";

    Tfrm43();
    ~Tfrm43() override;

    const ArticleList& questionList() const override { return model().articleList(); }
    QuestionFiles questionFiles() const override;
    int selectedQuestion() const override { return ls2->itemIndex(); }
};

} // namespace ovta
