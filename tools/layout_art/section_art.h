// Every picture of the section menus, by the resource path the screens load
// it from: the nine homes (panorama, hot spots, help, exit), the about
// screen, the credits dialog and the overview. Also their contact sheets.
#pragma once

#include <QString>

namespace ovta::art {

class ArtWriter;

void writeSectionResources(ArtWriter& out);

// Each home as the screen composes it, the about screen, the credits and
// the overview, written into `dir`.
void writeSectionPreviews(const QString& dir);

} // namespace ovta::art
