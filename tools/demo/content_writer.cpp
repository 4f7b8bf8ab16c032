#include "demo/content_writer.h"

#include <fstream>
#include <vector>

#include "store/errors.h"
#include "search/glyph_encoder.h"

namespace ovta::demo {

std::string crlfLines(std::span<const std::string> lines)
{
    std::string out;
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string glyphLines(std::span<const std::string_view> utf8Lines)
{
    std::vector<std::string> encoded;
    encoded.reserve(utf8Lines.size());
    for (const auto line : utf8Lines) {
        std::string glyphs = encodeGlyphText(line);
        if (glyphs.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
            throw ConversionError("Glyph text of " + quoteBytes(line) +
                                  " holds a line break or zero byte");
        encoded.push_back(std::move(glyphs));
    }
    return crlfLines(encoded);
}

std::filesystem::path contentPath(const std::filesystem::path& root, std::string_view name)
{
    std::filesystem::path relative;
    std::size_t at = 0;
    while (at <= name.size()) {
        std::size_t end = name.find('\\', at);
        if (end == std::string_view::npos)
            end = name.size();
        const std::string_view part = name.substr(at, end - at);
        if (part.empty() || part == "." || part == ".." || part.find('/') != part.npos)
            throw FileError("Bad content file name " + quoteBytes(name));
        relative /= std::string(part);
        at = end + 1;
    }
    return root / relative;
}

void writeContentFile(const std::filesystem::path& root, const DemoFile& file)
{
    const auto path = contentPath(root, file.name);
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out)
        out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
    out.close();
    if (!out)
        throw FileError("Cannot write file \"" + path.string() + "\"");
}

} // namespace ovta::demo
