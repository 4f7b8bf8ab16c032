#include "books/frm43.h"

namespace ovta {
namespace {

const bool registered = registerKinds<Tfrm43>() && registerHeadingOpeners<Tfrm43>();

} // namespace

Tfrm43::Tfrm43() : BookViewer(bookViewerSettings(Kind), state())
{
    setCurrentQuestionSource(this);
}

Tfrm43::~Tfrm43()
{
    if (currentQuestionSource() == this)
        setCurrentQuestionSource(nullptr);
}

QuestionFiles Tfrm43::questionFiles() const
{
    const BookFiles& f = model().files();
    return {f.articleIndex, f.articleTitles, f.locators, f.articleTexts};
}

} // namespace ovta
