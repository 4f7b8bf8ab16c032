#include "reading_catalogue.h"

#include "reader_art.h"
#include "topic_index_art.h"
#include "topic_list_art.h"

namespace ovta::art {

void writeReadingResources(ArtWriter& out)
{
    writeTopicListResources(out);
    writeReaderResources(out);
    writeTopicIndexResources(out);
}

} // namespace ovta::art
