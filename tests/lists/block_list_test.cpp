// frm33's model: the blocks by item, the shown part of a title, the list of
// a block and the text of an entry.
#include "lists/block_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reading/content_records.h"
#include "store/errors.h"
#include "lists/indexed_files.h"
#include "support/fixture_dir.h"

namespace ovta {
namespace {

using test::DataBuilder;
using test::fields;

TEST(BlockList, EachItemHasItsRecordsAndHeading)
{
    const struct {
        int item, first, last, heading;
    } cases[] = {
        {1, 1, 53, 61},    {2, 54, 100, 62},  {3, 101, 146, 63},
        {4, 147, 171, 64}, {5, 172, 216, 97}, {6, 217, 240, 71},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        const auto block = recordBlock(c.item);
        ASSERT_TRUE(block);
        EXPECT_EQ(block->first, c.first);
        EXPECT_EQ(block->last, c.last);
        EXPECT_EQ(block->heading, c.heading);
    }
    for (int other : {0, 7, -1, 100})
        EXPECT_FALSE(recordBlock(other)) << other;
}

TEST(BlockList, ATitleShowsThePartBeforeItsLastColon)
{
    const struct {
        const char* title;
        const char* shown;
    } cases[] = {
        {"name: meaning", "name"},
        {"a:b:c", "a:b"},      // two colons: everything before the second
        {"no colon", ""},      // nothing to show
        {":leading only", ""}, // the search starts at the second byte
        {"::x", ":"},
        {"ab:", "ab"},
        {"x", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shownTitlePart(c.title), c.shown) << c.title;
}

class BlockFiles : public test::IndexedFiles {
public:
    // Records 1..n: titles "r<k>: rest", texts "text <k>".
    explicit BlockFiles(int n)
    {
        DataBuilder titles, texts;
        std::string index;
        for (int k = 1; k <= n; ++k) {
            const auto [to, tl] = titles.add("r" + std::to_string(k) + ": rest");
            const auto [xo, xl] = texts.add("text " + std::to_string(k));
            index += fields({to, tl, xo, xl});
        }
        write(index, titles, texts);
    }
};

TEST(BlockList, Item4ListsRecords147To171AndTheFirstOpensRecord147)
{
    BlockFiles f(240);
    const IndexList index = f.index();
    BlockList list;
    list.scan(index, f.data("data\\t"), *recordBlock(4));
    ASSERT_EQ(list.count(), 25);
    EXPECT_EQ(list.title(0), "r147");
    EXPECT_EQ(list.title(24), "r171");
    EXPECT_EQ(list.record(0), 146);
    EXPECT_EQ(blockText(index, f.data("data\\x"), list.record(0)), "text 147");
}

TEST(BlockList, AnIndexShorterThanTheBlockFailsKeepingWhatItRead)
{
    BlockFiles f(220);
    BlockList list;
    EXPECT_THROW(list.scan(f.index(), f.data("data\\t"), *recordBlock(6)), ConversionError);
    EXPECT_EQ(list.count(), 4) << "records 217 to 220";
}

} // namespace
} // namespace ovta
