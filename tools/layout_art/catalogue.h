// Every picture the tool makes, by the path the program or the content
// directory knows it under.
#pragma once

namespace ovta::art {

class ArtWriter;

// The compiled-in layout pictures, written under the resource root
// (cursors/, firstflc/, falam1/).
void writeResources(ArtWriter& out);

// The pictures the screens load from the content directory (data1/).
void writeContentPictures(ArtWriter& out);

} // namespace ovta::art
