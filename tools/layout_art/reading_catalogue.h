// The pictures of the reading screens: topic lists, article readers and
// the topic index.
#pragma once

namespace ovta::art {

class ArtWriter;

void writeReadingResources(ArtWriter& out);

} // namespace ovta::art
