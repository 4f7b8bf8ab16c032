// libFuzzer target for the search box's shaping: random runs of keys,
// characters, selections and starting texts, over the demo letter tables or
// over letter tables made from the input itself. The engine may refuse a
// damaged table with its typed errors; anything else (a crash, a read out of
// a table, a caret outside the text) is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "store/errors.h"
#include "store/index_list.h"
#include "demo/search_letters.h"
#include "search/shaping_engine.h"

namespace {

using ovta::IndexList;
using ovta::LetterTables;
using ovta::ShapingEngine;

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    std::uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }
    std::string chunk()
    {
        const std::size_t length = std::min<std::size_t>(next() * 8u + next(), size_ - at_);
        std::string out(reinterpret_cast<const char*>(data_ + at_), length);
        at_ += length;
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

LetterTables demoTables()
{
    return LetterTables::fromLists(
        IndexList::fromBytes("data\\13.txt", ovta::demo::keyLetterFile()),
        IndexList::fromBytes("data\\1c2.txt", ovta::demo::formRangeFile()),
        IndexList::fromBytes("data\\1c1.txt", ovta::demo::formGlyphFile()));
}

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void checkState(const ShapingEngine& e)
{
    check(e.caret() <= e.text().size());
    check(e.caret() + e.selection() <= e.text().size());
    const int pending = e.pendingEditKey();
    check(pending == 0 || pending == 8 || pending == 46);
    check(e.lastDeletionRow() >= 0 && e.lastDeletionRow() <= 25);
}

// The keys the box treats specially, and a few it passes on.
constexpr int kKeys[] = {8, 46, 37, 39, 35, 36, 27, 13, 9, 65, 70, 72};

void step(ShapingEngine& e, Input& in)
{
    switch (in.next() % 6) {
    case 0:
    case 1: e.character(in.next()); break;
    case 2: e.character(in.next() % 0x80); break;
    case 3: {
        const int vk = kKeys[in.next() % std::size(kKeys)];
        const ovta::KeyDownResult down = e.keyDown(vk);
        if (!down.swallowed && (vk == 8 || vk == 13))
            e.character(vk);
        break;
    }
    case 4: {
        const std::size_t start = in.next();
        e.select(start, in.next() % 8);
        break;
    }
    case 5: {
        std::string text;
        for (std::uint8_t n = in.next() % 12; n > 0; --n)
            text += static_cast<char>(in.next() | 1);
        e.setText(text, in.next());
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const LetterTables demo = demoTables();
    Input in(data, size);
    LetterTables tables = demo;
    if (in.next() % 4 == 0) {
        try {
            const std::string keys = in.chunk(), ranges = in.chunk(), glyphs = in.chunk();
            tables = LetterTables::fromLists(IndexList::fromBytes("data\\13.txt", keys),
                                             IndexList::fromBytes("data\\1c2.txt", ranges),
                                             IndexList::fromBytes("data\\1c1.txt", glyphs));
        } catch (const ovta::Error&) {
            return 0;
        }
    }
    ShapingEngine e(std::move(tables));
    for (int steps = 0; !in.empty() && steps < 400; ++steps) {
        try {
            step(e, in);
        } catch (const ovta::ConversionError&) {
        } catch (const ovta::RangeError&) {
        }
        checkState(e);
    }
    return 0;
}
