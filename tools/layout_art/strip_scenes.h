// The nine panoramas behind the main menu's section labels, one per section,
// each painted into a 312x100 panorama that wraps (see sprite_strip.h).
#pragma once

#include <QColor>
#include <QPointF>

class QPainter;

namespace ovta::art::scenes {

inline constexpr int kWidth = 312;
inline constexpr int kHeight = 100;

// Shared pieces of the scenes.
void paintNightSky(QPainter& p, unsigned seed, const QColor& horizon);
void paintCrescent(QPainter& p, QPointF centre, qreal radius);
void paintOpenBook(QPainter& p, QPointF spineFoot, qreal halfWidth, qreal height,
                   const QColor& cover);
void paintRehal(QPainter& p, QPointF foot, qreal width, qreal height);
void paintLantern(QPainter& p, QPointF hook, qreal size);

// Study of the law and of belief (strip_scenes_study.cpp).
void jurisprudence(QPainter& p); // books on a shelf, an open book, ink and pen
void creeds(QPainter& p);        // interlaced star rosettes
void quran(QPainter& p);         // an open mushaf on its stand in rays of light
void principles(QPainter& p);    // an arcade of columns and a balance

// People, places and times (strip_scenes_world.cpp).
void history(QPainter& p);   // an old chart with a winding route and ruins
void landmarks(QPainter& p); // domes and minarets against the night
void biography(QPainter& p); // a caravan crossing dunes under palms
void figures(QPainter& p);   // hanging medallions with initials
void sects(QPainter& p);     // branching paths that part ways

} // namespace ovta::art::scenes
