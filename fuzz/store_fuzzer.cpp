// libFuzzer target for the content store: index lists read as lines and as
// fixed fields and records, data files cut at any offset and length, the
// line helpers over the cut text, the title table and the name resolver.
// Variant byte % 4:
//   0  part 0 is an index list; the operations read lines, fields, records
//   1  part 0 is a data file; the operations cut texts and read their lines
//   2  part 0 is "data\kenor002", loaded as the title table
//   3  part 0 is a content name resolved under the scratch directory
// The readers may refuse with their typed errors; a crash, a read out of
// bounds, a text longer than asked for or a name resolved outside the
// directory is a finding.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "fuzz_input.h"
#include "store/data_file.h"
#include "store/errors.h"
#include "store/index_list.h"
#include "store/text_lines.h"
#include "store/title_table.h"

namespace {

using namespace ovta;

void checkLines(std::string_view text, fuzz::Ops& ops)
{
    const std::size_t count = lineCount(text);
    FUZZ_CHECK(count <= text.size());
    for (int i = 0; i < 4; ++i) {
        const auto index = static_cast<std::size_t>(ops.number());
        try {
            const std::string_view line = lineAt(text, index);
            FUZZ_CHECK(index < count);
            FUZZ_CHECK(line.size() <= kMaxLineLength);
            FUZZ_CHECK(line.data() >= text.data() && line.data() + line.size() <= text.data() + text.size());
        } catch (const RangeError&) {
            FUZZ_CHECK(index >= count);
        }
    }
}

void fuzzIndexList(const fuzz::Input& in)
{
    const IndexList list = IndexList::fromBytes("data\\1kenor01", in.part(0));
    fuzz::Ops ops(in.part(1));
    while (!ops.empty()) {
        try {
            switch (ops.byte() % 4) {
            case 0: {
                const std::int64_t i = ops.number();
                const std::string& line = list.line(i);
                FUZZ_CHECK(i >= 0 && static_cast<std::size_t>(i) < list.lineCount());
                FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
                break;
            }
            case 1: list.field(ops.number()); break;
            case 2: {
                const std::int64_t record = ops.number(), size = ops.number();
                list.field(record, size, ops.number());
                break;
            }
            case 3: {
                const std::int64_t size = ops.number();
                const std::int64_t n = list.recordCount(size);
                FUZZ_CHECK(n >= 0);
                FUZZ_CHECK(size <= 0 ? n == 0 : n <= static_cast<std::int64_t>(list.text().size()) / size);
                break;
            }
            }
        } catch (const ConversionError&) {
        } catch (const RangeError&) {
        }
    }
    checkLines(list.text(), ops);
}

void fuzzDataFile(const fuzz::Input& in)
{
    auto& scratch = fuzz::ScratchDir::get();
    scratch.putPart(in, 0, "data\\kenor02");
    const DataFile file = DataFile::open(scratch.dir(), "data\\kenor02");
    FUZZ_CHECK(file.valid() == in.has(0));
    fuzz::Ops ops(in.part(1));
    const auto size = static_cast<std::int64_t>(in.part(0).size());
    do {
        const std::int64_t offset = ops.number(), length = ops.number();
        try {
            const std::string text = file.read(offset, length);
            FUZZ_CHECK(length >= 0);
            FUZZ_CHECK(static_cast<std::int64_t>(text.size()) <= length);
            FUZZ_CHECK(text.find('\0') == std::string::npos);
            if (offset >= 0 && offset < size && !text.empty())
                FUZZ_CHECK(in.part(0).substr(static_cast<std::size_t>(offset), text.size()) == text);
            else
                FUZZ_CHECK(text.empty());
            checkLines(text, ops);
        } catch (const RangeError&) {
            FUZZ_CHECK(length < 0);
        }
    } while (!ops.empty());
}

void fuzzTitleTable(const fuzz::Input& in)
{
    auto& scratch = fuzz::ScratchDir::get();
    scratch.putPart(in, 0, "data\\kenor002");
    TitleTable table;
    try {
        table.load(scratch.dir());
    } catch (const FileError&) {
        FUZZ_CHECK(!in.has(0));
    } catch (const RangeError&) {
        FUZZ_CHECK(table.filled() == TitleTable::Size);
    }
    FUZZ_CHECK(table.filled() >= 0 && table.filled() <= TitleTable::Size);
    for (int k = -1; k <= TitleTable::Size + 1; ++k) {
        const std::string& entry = table.entry(k);
        if (k < 1 || k > TitleTable::Size)
            FUZZ_CHECK(entry.empty());
        FUZZ_CHECK(entry.find_first_of("\r\n") == std::string::npos);
    }
}

void fuzzResolve(const fuzz::Input& in)
{
    const auto& dir = fuzz::ScratchDir::get().dir();
    const auto found = dir.resolve(in.part(0));
    if (!found)
        return;
    std::error_code ec;
    const auto root = std::filesystem::canonical(dir.root(), ec);
    FUZZ_CHECK(!ec);
    const auto at = std::filesystem::canonical(*found, ec);
    FUZZ_CHECK(!ec);
    const auto rel = at.lexically_relative(root);
    FUZZ_CHECK(!rel.empty() && *rel.begin() != "..");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::Input in(data, size);
    switch (in.variant() % 4) {
    case 0: fuzzIndexList(in); break;
    case 1: fuzzDataFile(in); break;
    case 2: fuzzTitleTable(in); break;
    case 3: fuzzResolve(in); break;
    }
    return 0;
}
