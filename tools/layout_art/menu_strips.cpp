#include "menu_strips.h"

#include "sprite_strip.h"
#include "strip_scenes.h"

#include <QPainter>

#include <stdexcept>

namespace ovta::art {

QImage paintMenuStrip(int tag)
{
    using Scene = void (*)(QPainter&);
    // In the order of the section tags.
    static const Scene scenes[] = {
        scenes::jurisprudence, scenes::history,    scenes::landmarks,
        scenes::creeds,        scenes::biography,  scenes::figures,
        scenes::quran,         scenes::principles, scenes::sects,
    };
    if (tag < 1 || tag > 9)
        throw std::out_of_range("no menu strip for section tag " + std::to_string(tag));
    static_assert((kMenuStripSlices - 1) * kMenuStripSlice == scenes::kWidth);
    const QImage panorama = paintWrapped(scenes::kWidth, scenes::kHeight, scenes[tag - 1]);
    return stripFromPanorama(panorama, kMenuStripSlice, kMenuStripSlices, kMenuStripWidth);
}

} // namespace ovta::art
