// The small pictures on the section homes' hot spots: each says what the
// hot spot opens (a mosque for the mosques, a closed book for a book, an
// open book for a list of topics...). All are drawn in gold on the blue
// enamel of a tile, designed in a 40x34 box and scaled into the one given.
#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

namespace ovta::art {

enum class Emblem {
    Dome,      // a mosque
    City,      // a skyline of houses, a dome and a minaret
    Mountains, // two peaks
    Well,      // a well with its winch and bucket
    Fort,      // a crenellated tower between walls
    Books,     // a stack of books
    Swords,    // two crossed sabres
    Scales,    // a balance
    Kaaba,     // the cube with its gold band
    Palm,      // a palm beside a green dome
    Index,     // an index card with rows
    Book,      // a closed book; `colour` is its cover
    OpenBook,  // an open book
    Scroll,    // a written scroll
    Medallion, // a ring with a letter or word (`text`)
    Hourglass, // an hourglass
    Crescent,  // the crescent and a star
    Quill,     // a reed pen and its ink pot
    Rosette,   // the gold rosette
    Lamp,      // a hanging lamp
    Rehal,     // an open book on its stand
    Sound,     // an open book giving out sound waves
    Star,      // an eight-pointed star
    Shelf,     // book spines standing on a shelf
    Tree,      // a tree whose branches part ways
};

struct EmblemStyle {
    QColor colour = QColor(120, 30, 30); // cover of a book
    QString text;                        // inside a medallion
};

void paintEmblem(QPainter& p, Emblem emblem, const QRectF& box, bool lit,
                 const EmblemStyle& style = {});

} // namespace ovta::art
