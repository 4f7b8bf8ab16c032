// Writing the demo's page pictures as 8-bit run-length-encoded Windows
// bitmaps (BI_RLE8): a page of mostly plain paper takes a few kilobytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ovta::demo {

struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> palette; // 0xRRGGBB, at most 256
    std::vector<std::uint8_t> pixels;   // width * height palette indexes, top row first
};

// The whole file. Throws std::invalid_argument for a picture whose sizes,
// palette or pixels do not fit together.
std::string rle8Bitmap(const IndexedPicture& picture);

} // namespace ovta::demo
