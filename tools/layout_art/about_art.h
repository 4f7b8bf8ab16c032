// The picture screens without content of their own: the about screen's
// background and its panning band, the credits dialog's picture, and the
// overview picture that every section home's help hot spot opens. Their
// exit highlights are the lit exit tile of the section homes.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

namespace ovta::art {

inline constexpr QRect kAboutBandRect{164, 44, 311, 102};     // the label `pan`
inline constexpr QRect kAboutCreditsRect{152, 272, 349, 109}; // the panel `Panel4`
inline constexpr QPoint kAboutExitAt{48, 121};                // `Image2`
inline constexpr QPoint kOverviewExitAt{15, 400};             // `m2`

inline constexpr int kAboutStripWidth = 2997;
inline constexpr int kAboutStripHeight = 100;
inline constexpr int kAboutStripSlice = 13;
inline constexpr int kAboutStripSlices = 230;
inline constexpr int kAboutStripCells = 25;

// fabout's Image1: 640x480, with the plain exit at its place.
QImage paintAboutBackground();
// fabout's m1: the nine sections' scenes one after another, 2997x100.
QImage paintAboutBand();
// frm22's Image1: 350x270.
QImage paintCreditsPicture();
// frm24's m1: 640x480, with the plain exit at its place.
QImage paintOverview();

} // namespace ovta::art
