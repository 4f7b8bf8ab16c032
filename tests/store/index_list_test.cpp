#include "store/index_list.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "store/errors.h"
#include "support/fifo_stand_in.h"
#include "support/fixture_dir.h"

namespace ovta {
namespace {

using test::FixtureDir;
constexpr auto kInt64Max = std::numeric_limits<std::int64_t>::max();
constexpr auto kInt64Min = std::numeric_limits<std::int64_t>::min();

// The error text of `f`, or nothing when it throws no E.
template <typename E, typename F>
std::optional<std::string> errorText(F&& f)
{
    try {
        f();
    } catch (const E& e) {
        return std::string(e.what());
    }
    return std::nullopt;
}

TEST(IndexListLoad, MissingOrUnreadableListIsAFileErrorNamingIt)
{
    FixtureDir content;
    content.write("data/other", "x");
    std::filesystem::create_directories(content.path() / "data/adir");
    const test::FifoStandIn fifo(content.path() / "data/1kenor05");
    const ContentDir dir(content.path());
    for (const std::string name :
         {"data\\1kenor01", "data\\adir", "..\\data\\other", "data\\1kenor05"}) {
        SCOPED_TRACE(name);
        const auto text = errorText<FileError>([&] { IndexList::load(dir, name); });
        EXPECT_EQ(text, "\"" + name + "\": cannot be opened");
    }
    EXPECT_EQ(fifo.opens(), 0);
}

TEST(IndexListLoad, LoadsByCaseInsensitiveNameAndKeepsTheNameAsWritten)
{
    FixtureDir content;
    content.write("DATA/1KENOR01", "00000007\r\n");
    const auto list = IndexList::load(ContentDir(content.path()), "data\\1kenor01");
    EXPECT_EQ(list.name(), "data\\1kenor01");
    EXPECT_EQ(list.field(1), 7);
}

TEST(IndexListLoad, AnEmptyFileIsAnEmptyList)
{
    FixtureDir content;
    content.write("data/empty", "");
    const auto list = IndexList::load(ContentDir(content.path()), "data\\empty");
    EXPECT_TRUE(list.lines().empty());
    EXPECT_EQ(list.text(), "");
    EXPECT_EQ(list.recordCount(8), 0);
}

TEST(IndexList, SplitsLinesAtCrLfOrCrLfAndJoinsThemWithCrLf)
{
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\n", {"a"}},
        {"a\r", {"a"}},
        {"\r\n", {""}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
        {"a\r\n\r\n", {"a", ""}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {std::string("x\0y\r\n", 5), {std::string("x\0y", 3)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        const auto list = IndexList::fromBytes("data\\x", c.bytes);
        EXPECT_EQ(list.lines(), c.lines);
        std::string text;
        for (const auto& line : c.lines)
            text += line + "\r\n";
        EXPECT_EQ(list.text(), text);
    }
}

TEST(IndexList, LineOutsideTheListIsARangeErrorNamingIt)
{
    const auto list = IndexList::fromBytes("data\\kenor07", "one\r\ntwo\r\n");
    EXPECT_EQ(list.line(0), "one");
    EXPECT_EQ(list.line(1), "two");
    for (const std::int64_t index : {std::int64_t{2}, std::int64_t{-1}, kInt64Max, kInt64Min}) {
        const auto text = errorText<RangeError>([&] { list.line(index); });
        EXPECT_EQ(text, "\"data\\kenor07\": line index " + std::to_string(index) +
                            " is outside its 2 lines");
    }
}

TEST(IndexList, ConvertsStrictRightAlignedDecimalFields)
{
    struct Case {
        std::string field;
        std::optional<std::int32_t> value;
    };
    const std::vector<Case> cases = {
        {"00012345", 12345},
        {"   12345", 12345},
        {"12345678", 12345678},
        {"99999999", 99999999},
        {"00000000", 0},
        {"       0", 0},
        {"   -1234", -1234},
        {"-0001234", -1234},
        {"-9999999", -9999999},
        {"   +1234", 1234},
        {"+0000012", 12},
        {"      -0", 0},
        {"12345   ", std::nullopt},
        {"1234567 ", std::nullopt},
        {"        ", std::nullopt},
        {"       -", std::nullopt},
        {"       +", std::nullopt},
        {"000-1234", std::nullopt},
        {"  - 1234", std::nullopt},
        {"  --1234", std::nullopt},
        {"  +-1234", std::nullopt},
        {"123 4567", std::nullopt},
        {"\t0001234", std::nullopt},
        {"0x001234", std::nullopt},
        {"$0001234", std::nullopt},
        {"00001e10", std::nullopt},
        {"0000123.", std::nullopt},
        {std::string("0001") + '\0' + "234", std::nullopt},
        {"\xD8\xA3\xD8\xA8\xD8\xAA\xD8\xA9", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.field));
        // The field sits in the middle of a record, as screens read it.
        const auto list = IndexList::fromBytes("data\\1kenor01", "00000001" + c.field + "00000003");
        if (c.value) {
            EXPECT_EQ(list.field(9), *c.value);
            EXPECT_EQ(list.field(0, 24, 2), *c.value);
            continue;
        }
        const auto text = errorText<ConversionError>([&] { list.field(9); });
        EXPECT_EQ(text, "\"data\\1kenor01\": field " + quoteBytes(c.field) +
                            " at character 9 is not a number");
    }
}

TEST(IndexList, FieldRunningPastEitherEndOfTheTextIsAConversionError)
{
    // List text: "00000042" CR LF, 10 characters.
    const auto list = IndexList::fromBytes("data\\1kenor17", "00000042");
    EXPECT_EQ(list.field(1), 42);
    const std::vector<std::pair<std::int64_t, std::string>> cases = {
        {2, "0000042\r"},   // takes the CR: a character after the digits
        {3, "000042\r\n"},  // the same with the whole line break
        {4, "00042\r\n"},   // short
        {10, "\n"},
        {11, ""},
        {12, ""},
        {0, "0000004"},
        {-6, "0"},
        {-7, ""},
        {kInt64Max, ""},
        {kInt64Min, ""},
    };
    for (const auto& [position, field] : cases) {
        SCOPED_TRACE(position);
        const auto text = errorText<ConversionError>([&] { list.field(position); });
        EXPECT_EQ(text, "\"data\\1kenor17\": field " + quoteBytes(field) + " at character " +
                            std::to_string(position) + " is not a number");
    }
}

TEST(IndexList, RecordFieldsAreReadAtRecordSizeTimesRecordPlusFieldOffset)
{
    // Two locator records: (10, 20) and (30, 40).
    const auto list = IndexList::fromBytes("data\\1kenor010", "00000010000000200000003000000040");
    EXPECT_EQ(list.field(0, 16, 1), 10);
    EXPECT_EQ(list.field(0, 16, 2), 20);
    EXPECT_EQ(list.field(1, 16, 1), 30);
    EXPECT_EQ(list.field(1, 16, 2), 40);
    EXPECT_EQ(list.field(17), 30);
    // A record past the last one, or before the first, gives an empty or short field.
    EXPECT_THROW(list.field(2, 16, 1), ConversionError);
    EXPECT_THROW(list.field(-1, 16, 1), ConversionError);
    EXPECT_THROW(list.field(0, 16, 0), ConversionError);
    // Arithmetic that would overflow is an empty field, not a wrap-around.
    EXPECT_THROW(list.field(kInt64Max, 16, 1), ConversionError);
    EXPECT_THROW(list.field(kInt64Min, 16, 1), ConversionError);
    EXPECT_THROW(list.field(0, 16, kInt64Max), ConversionError);
    EXPECT_THROW(list.field(0, 16, kInt64Min), ConversionError);
    EXPECT_EQ(errorText<ConversionError>([&] { list.field(kInt64Max, 16, 2); }),
              "\"data\\1kenor010\": field 2 of record " + std::to_string(kInt64Max) +
                  " lies outside the list text");
}

TEST(IndexList, TrailingLineBreakDoesNotChangeTheRecords)
{
    // Topic records (article number, offset, length).
    const std::string records = std::string("000000010000001000000007") +
                                "000000020000002000000009" + "000000030000003000000011";
    ASSERT_EQ(records.size(), 3u * 24);
    FixtureDir content;
    content.write("data/with", records + "\r\n");
    content.write("data/without", records);
    content.write("data/withlf", records + "\n");
    const ContentDir dir(content.path());
    const auto without = IndexList::load(dir, "data\\without");
    for (const char* name : {"data\\with", "data\\withlf"}) {
        SCOPED_TRACE(name);
        const auto list = IndexList::load(dir, name);
        EXPECT_EQ(list.text(), without.text());
        ASSERT_EQ(list.recordCount(24), 3);
        for (std::int64_t k = 0; k < 3; ++k)
            for (std::int64_t f = 1; f <= 3; ++f)
                EXPECT_EQ(list.field(k, 24, f), without.field(k, 24, f));
    }
    EXPECT_EQ(without.field(2, 24, 3), 11);
}

TEST(IndexList, RecordCountIsTextLengthDivRecordSize)
{
    const std::string record(24, '0');
    for (int n : {0, 1, 3}) {
        std::string bytes;
        for (int k = 0; k < n; ++k)
            bytes += record;
        const auto list = IndexList::fromBytes("data\\1kenor12", bytes);
        EXPECT_EQ(list.text().size(), 24u * n + (n > 0 ? 2 : 0));
        EXPECT_EQ(list.recordCount(24), n);
        EXPECT_EQ(list.recordCount(8), n == 0 ? 0 : 3 * n);
    }
    const auto list = IndexList::fromBytes("data\\1kenor12", record);
    EXPECT_EQ(list.recordCount(0), 0);
    EXPECT_EQ(list.recordCount(-24), 0);
    EXPECT_EQ(list.recordCount(kInt64Max), 0);
    EXPECT_EQ(list.recordCount(26), 1);
    EXPECT_EQ(list.recordCount(27), 0);
}

TEST(IndexList, ListWrittenOneRecordPerLineIsReadShifted)
{
    // Locators (10, 20), (30, 40), (50, 60), each on its own line: every
    // record after the first starts 2·k characters later than the reader expects.
    const auto list = IndexList::fromBytes("data\\1kenor010",
                                           "0000001000000020\r\n"
                                           "0000003000000040\r\n"
                                           "0000005000000060\r\n");
    EXPECT_EQ(list.field(0, 16, 1), 10);
    EXPECT_EQ(list.field(0, 16, 2), 20);
    EXPECT_THROW(list.field(1, 16, 1), ConversionError);  // "\r\n000000"
    EXPECT_EQ(list.field(1, 16, 2), 30000000);            // wrong number
    EXPECT_EQ(list.recordCount(16), 3);
}

TEST(IndexList, EmptyListReadsNothing)
{
    const IndexList list;
    EXPECT_TRUE(list.lines().empty());
    EXPECT_EQ(list.text(), "");
    EXPECT_EQ(list.recordCount(16), 0);
    EXPECT_THROW(list.line(0), RangeError);
    EXPECT_EQ(errorText<ConversionError>([&] { list.field(1); }),
              "(no file): field \"\" at character 1 is not a number");
}

}  // namespace
}  // namespace ovta
