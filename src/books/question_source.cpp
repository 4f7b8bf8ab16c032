#include "books/question_source.h"

namespace ovta {

namespace {
QuestionSource* current = nullptr;
}

QuestionSource* currentQuestionSource()
{
    return current;
}

void setCurrentQuestionSource(QuestionSource* source)
{
    current = source;
}

} // namespace ovta
