#include "demo/book_content.h"

#include "demo/body_books.h"
#include "demo/question_content.h"
#include "demo/recitation.h"
#include "demo/shelf_books.h"
#include "demo/title_books.h"

namespace ovta::demo {

std::vector<DemoFile> bookFiles(const std::vector<DemoFile>& reading)
{
    std::vector<DemoFile> files;
    const auto take = [&files](std::vector<DemoFile> more) {
        files.insert(files.end(), std::make_move_iterator(more.begin()),
                     std::make_move_iterator(more.end()));
    };
    take(biographyBookFiles(reading));
    take(commentaryBookFiles());
    // The question books refer to the shelf's articles: the shelf first.
    ShelfContent shelf = shelfContent();
    take(std::move(shelf.files));
    take(questionFiles(shelf.articles));
    take(bodyBookFiles());
    take(recitationFiles());
    return files;
}

} // namespace ovta::demo
