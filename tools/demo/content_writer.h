// Writing generated files into a content directory, and the text conventions
// the content files share (glyph text, one line per entry, CR LF line ends as
// in files that come from Windows).
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace ovta::demo {

// One generated content file: its name as the program writes it
// ("data\kenor002") and its bytes.
struct DemoFile {
    std::string name;
    std::string bytes;
};

// The lines joined, each one followed by CR LF (the last one too, as a
// Windows editor saves them).
std::string crlfLines(std::span<const std::string> lines);

// Each line of Unicode Arabic (UTF-8, logical order) turned into glyph text,
// then joined as by crlfLines. An empty line stays empty. Throws
// ConversionError when a line would hold a byte that breaks the line
// structure (CR, LF, zero) or a character the glyph chart lacks.
std::string glyphLines(std::span<const std::string_view> utf8Lines);

// Where a content name lands under the content directory: backslashes become
// directory separators. Refuses names that would leave the directory.
std::filesystem::path contentPath(const std::filesystem::path& root, std::string_view name);

// Writes the file, making its folders. Throws FileError naming the file.
void writeContentFile(const std::filesystem::path& root, const DemoFile& file);

} // namespace ovta::demo
