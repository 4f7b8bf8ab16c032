#include "demo/page_bitmap.h"

#include <stdexcept>

namespace ovta::demo {
namespace {

void put16(std::string& out, unsigned v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// One row: runs of two or more as encoded pairs (count, index); stretches
// of differing pixels as absolute runs (0, n, n indexes, padded to a word),
// or as runs of one when there are fewer than three of them.
void encodeRow(std::string& out, const std::uint8_t* row, int width)
{
    std::string literal;
    auto flushLiteral = [&out, &literal] {
        if (literal.size() >= 3) {
            out += '\0';
            out += static_cast<char>(literal.size());
            out += literal;
            if (literal.size() % 2 != 0)
                out += '\0';
        } else {
            for (char c : literal) {
                out += '\1';
                out += c;
            }
        }
        literal.clear();
    };
    int x = 0;
    while (x < width) {
        int run = 1;
        while (x + run < width && run < 255 && row[x + run] == row[x])
            ++run;
        if (run >= 2) {
            flushLiteral();
            out += static_cast<char>(run);
            out += static_cast<char>(row[x]);
        } else {
            literal += static_cast<char>(row[x]);
            if (literal.size() == 255)
                flushLiteral();
        }
        x += run;
    }
    flushLiteral();
}

} // namespace

std::string rle8Bitmap(const IndexedPicture& picture)
{
    const int w = picture.width, h = picture.height;
    if (w <= 0 || h <= 0 || picture.palette.empty() || picture.palette.size() > 256 ||
        picture.pixels.size() != static_cast<std::size_t>(w) * static_cast<std::size_t>(h))
        throw std::invalid_argument("rle8Bitmap: sizes, palette and pixels do not fit");
    for (std::uint8_t index : picture.pixels)
        if (index >= picture.palette.size())
            throw std::invalid_argument("rle8Bitmap: a pixel outside the palette");

    std::string data;
    // Rows go bottom to top; each ends with an end-of-line, the last with
    // the end of the bitmap.
    for (int y = h - 1; y >= 0; --y) {
        encodeRow(data, picture.pixels.data() + static_cast<std::size_t>(y) * w, w);
        data += y > 0 ? std::string("\0\0", 2) : std::string("\0\1", 2);
    }

    const auto paletteBytes = static_cast<std::uint32_t>(picture.palette.size() * 4);
    const std::uint32_t offset = 14 + 40 + paletteBytes;
    std::string out = "BM";
    put32(out, offset + static_cast<std::uint32_t>(data.size()));
    put32(out, 0);
    put32(out, offset);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(w));
    put32(out, static_cast<std::uint32_t>(h));
    put16(out, 1); // planes
    put16(out, 8); // bits per pixel
    put32(out, 1); // BI_RLE8
    put32(out, static_cast<std::uint32_t>(data.size()));
    put32(out, 2835); // 72 dpi
    put32(out, 2835);
    put32(out, static_cast<std::uint32_t>(picture.palette.size()));
    put32(out, 0);
    for (std::uint32_t rgb : picture.palette) {
        out += static_cast<char>(rgb & 0xFF);
        out += static_cast<char>((rgb >> 8) & 0xFF);
        out += static_cast<char>((rgb >> 16) & 0xFF);
        out += '\0';
    }
    return out + data;
}

} // namespace ovta::demo
