// The pictures of the section homes' hot spots: a 64x64 tile per hot spot
// (emblem and caption saying what it opens) and the tall help picture at
// each home's top-left corner. The places come from the homes' own settings
// table; this file says only what each picture shows.
#pragma once

#include "home_emblems.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace ovta::art {

struct HomeTile {
    const char* kind;  // "frm01"
    const char* image; // the picture's layout name, "Image11"
    QString caption;
    Emblem emblem;
    EmblemStyle style = {};
};

// The tile of one hot spot; throws std::out_of_range when none is listed.
const HomeTile& homeTile(const char* kind, const char* image);

QImage paintHomeTile(const HomeTile& tile);

// The tall help picture of the home opened by the menu's label `tag`.
QImage paintHomeHelp(int tag, QSize size);

} // namespace ovta::art
