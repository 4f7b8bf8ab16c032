// frm47's model: exactly 893 entries, the suffix of a title ending in ")",
// the 99-byte cut, a short index, and the lines of an entry's text.
#include "lists/entry_list.h"

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

class EntryFiles : public test::IndexedFiles {
public:
    explicit EntryFiles(int n, const std::string& special = {})
    {
        DataBuilder titles, texts;
        std::string index;
        for (int i = 0; i < n; ++i) {
            const std::string title =
                i == 1 && !special.empty() ? special : "e" + std::to_string(i);
            const auto [to, tl] = titles.add(title);
            const auto [xo, xl] = texts.add("line a " + std::to_string(i) + "\r\nline b\r\n");
            index += fields({7, to, tl, xo, xl});
        }
        write(index, titles, texts);
    }
};

TEST(EntryList, ExactlyEightHundredAndNinetyThreeEntriesWhateverTheLength)
{
    EntryFiles f(900);
    EntryList list;
    list.scan(f.index(), f.data("data\\t"));
    EXPECT_EQ(list.count(), EntryList::kEntries);
    EXPECT_EQ(list.title(892), "e892");
}

TEST(EntryList, AShortIndexIsAConversionErrorKeepingTheEntriesRead)
{
    EntryFiles f(10);
    EntryList list;
    EXPECT_THROW(list.scan(f.index(), f.data("data\\t")), ConversionError);
    EXPECT_EQ(list.count(), 10);
}

TEST(EntryList, TitlesAreCutAndAClosingParenthesisGetsTheMark)
{
    const std::string long100(100, 'x');
    const std::string paren99 = std::string(98, 'y') + ")";
    const std::string paren100 = std::string(99, 'z') + ")";
    const struct {
        std::string title, shown;
    } cases[] = {
        {"word (note)", "word (note) \xF6"},
        {"(", "("},
        {")", ") \xF6"},
        {"plain", "plain"},
        {"", ""},
        {long100, std::string(99, 'x')},
        {paren99, paren99 + " \xF6"},
        {paren100, std::string(99, 'z')}, // the ")" is beyond the cut
    };
    for (const auto& c : cases)
        EXPECT_EQ(entryTitle(c.title), c.shown) << c.title;

    EntryFiles f(893, "name (x)");
    EntryList list;
    list.scan(f.index(), f.data("data\\t"));
    EXPECT_EQ(list.title(1), "name (x) \xF6");
}

TEST(EntryList, AnEntrysTextIsListedLineByLine)
{
    EntryFiles f(893);
    EXPECT_EQ(textLines(entryText(f.index(), f.data("data\\x"), 5)),
              (std::vector<std::string>{"line a 5", "line b"}));
    EXPECT_EQ(textLines(""), std::vector<std::string>{});
    EXPECT_EQ(textLines("one"), std::vector<std::string>{"one"});
}

} // namespace
} // namespace ovta
