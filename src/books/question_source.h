// The question-list screen hands its list to the question screen through
// this interface: the question screen needs the list as shown, the files
// the list screen opened for it, and the row chosen. The list screen sets
// itself as the current source while it is open.
#pragma once

#include "books/article_list.h"
#include "books/question.h"

namespace ovta {

class QuestionSource {
public:
    virtual ~QuestionSource() = default;
    // The article list as the list screen shows it.
    virtual const ArticleList& questionList() const = 0;
    // The files the list screen opened for the question screen.
    virtual QuestionFiles questionFiles() const = 0;
    // The chosen row of the list, -1 when none is chosen.
    virtual int selectedQuestion() const = 0;
};

// The open question-list screen, or nullptr when none is open.
QuestionSource* currentQuestionSource();
void setCurrentQuestionSource(QuestionSource* source);

} // namespace ovta
