// Pictures of the list screens: the two-pane readers frm05 and frm34 (rows
// panel and text panel with their arrow rails, search and close buttons,
// frm34's panel of seven categories and its lit copy), frm33 (list, caption
// and text panels) and frm47 (entry list, text lines, search and close).
#pragma once

#include <QImage>

namespace ovta::art {

class ArtWriter;

QImage paintListBackground(const char* kind);
// frm34's category panel: lit, every category shows raised and glowing.
QImage paintCategoryPanel(bool lit);

void writeListResources(ArtWriter& out);

} // namespace ovta::art
