#include "search/letter_tables.h"

#include "store/content_dir.h"
#include "store/errors.h"

namespace ovta {
namespace {

constexpr std::int64_t kFieldWidth = 8;

} // namespace

LetterTables LetterTables::load(const ContentDir& dir)
{
    IndexList keys = IndexList::load(dir, KeyLetterFile);
    IndexList ranges = IndexList::load(dir, FormRangeFile);
    IndexList glyphs = IndexList::load(dir, FormGlyphFile);
    return fromLists(std::move(keys), std::move(ranges), std::move(glyphs));
}

LetterTables LetterTables::fromLists(IndexList keyLetters, IndexList formRanges,
                                     IndexList formGlyphs)
{
    LetterTables tables;
    for (int k = 1; k <= KeyCount; ++k)
        tables.keyLetters_[static_cast<std::size_t>(k)] =
            keyLetters.field(kFieldWidth * (k - 1) + 1);
    tables.formRanges_ = std::move(formRanges);
    tables.formGlyphs_ = std::move(formGlyphs);
    tables.loaded_ = true;
    return tables;
}

int LetterTables::letterOf(int code) const
{
    if (code < 1 || code > KeyCount)
        return 0;
    return keyLetters_[static_cast<std::size_t>(code)];
}

LetterForms LetterTables::formsOf(int letter) const
{
    LetterForms forms;
    if (!loaded_)
        return forms;
    const std::int64_t first = formRanges_.field(letter, 16, 1);
    const std::int64_t last = formRanges_.field(letter, 16, 2);
    if (first == 0 || last == 0)
        return forms;
    const std::int64_t count = last - first + 1;
    if (count > 4)
        failContent<RangeError>(FormRangeFile,
                                "letter " + std::to_string(letter) + " has " +
                                    std::to_string(count) + " forms (" + std::to_string(first) +
                                    " to " + std::to_string(last) + "); a letter has at most four");
    if (count < 1 || count == 3)
        return forms;
    for (std::int64_t i = 0; i < count; ++i) {
        const std::int64_t index = first + i;
        const std::int32_t code = formGlyphs_.field(kFieldWidth * index + 1);
        if (code < 1 || code > 255)
            failContent<RangeError>(FormGlyphFile, "glyph code " + std::to_string(code) +
                                                       " at form index " + std::to_string(index) +
                                                       " is outside 1 to 255");
        forms.glyphs[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(code);
    }
    forms.count = static_cast<int>(count);
    return forms;
}

} // namespace ovta
