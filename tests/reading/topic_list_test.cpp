#include "reading/topic_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reading/content_records.h"
#include "store/errors.h"
#include "support/fixture_dir.h"

namespace ovta {
namespace {

using test::DataBuilder;
using test::fields;

struct Topic {
    std::string title;
    int group;
    int article;
};

// Writes a topic file of `record` layout and its titles data file.
class TopicFiles {
public:
    TopicFiles(TopicRecord record, const std::vector<Topic>& topics, std::string tail = "")
    {
        DataBuilder titles;
        std::string list;
        for (const auto& t : topics) {
            const auto [offset, length] = titles.add(t.title);
            switch (record) {
            case TopicRecord::Grouped: list += fields({offset, length, t.group, t.article}); break;
            case TopicRecord::OrderA: list += fields({t.article, offset, length}); break;
            case TopicRecord::OrderB: list += fields({offset, length, t.article}); break;
            }
        }
        content.write("data\\topics", list + tail);
        content.write("data\\titles", titles.bytes);
    }

    IndexList topics() const { return IndexList::load(ContentDir(content.path()), "data\\topics"); }
    DataFile titles() const { return DataFile::open(ContentDir(content.path()), "data\\titles"); }

    test::FixtureDir content;
};

TEST(TopicList, EachLayoutKeepsItsNumberPerEntry)
{
    const std::vector<Topic> topics = {{"first", 3, 12}, {"second", 1, 5}, {"third", 3, 40}};
    const struct {
        const char* name;
        TopicRecord record;
        bool byGroup;
        int offset;
        std::vector<std::string> titles;
        std::vector<int> numbers;
    } cases[] = {
        // Grouped records listed by group 3, article number kept.
        {"frm02", TopicRecord::Grouped, true, 0, {"first", "third"}, {12, 40}},
        {"frm12", TopicRecord::OrderA, false, 0, {"first", "second", "third"}, {12, 5, 40}},
        {"frm45", TopicRecord::OrderB, false, -1, {"first", "second", "third"}, {11, 4, 39}},
        {"frm82", TopicRecord::OrderB, false, 0, {"first", "second", "third"}, {12, 5, 40}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TopicFiles files(c.record, topics);
        TopicList list;
        list.scan(files.topics(), files.titles(), {c.record, c.byGroup, c.offset, 200, c.name}, 3);
        EXPECT_EQ(list.titles(), c.titles);
        EXPECT_EQ(list.numbers(), c.numbers);
    }
}

TEST(TopicList, GroupFilterKeepsFileOrder)
{
    std::vector<Topic> topics;
    for (int i = 0; i < 30; ++i)
        topics.push_back({"t" + std::to_string(i), i % 4, 100 + i});
    TopicFiles files(TopicRecord::Grouped, topics);
    TopicList list;
    list.scan(files.topics(), files.titles(), {TopicRecord::Grouped, true, 0, 201, "frm02"}, 3);
    EXPECT_EQ(list.titles(),
              (std::vector<std::string>{"t3", "t7", "t11", "t15", "t19", "t23", "t27"}));
    EXPECT_EQ(list.numbers(), (std::vector<int>{103, 107, 111, 115, 119, 123, 127}));
}

TEST(TopicList, CapacityIsARangeErrorAtTheFirstSurplusEntryKeepingTheOthers)
{
    std::vector<Topic> topics;
    for (int i = 1; i <= 31; ++i)
        topics.push_back({"t" + std::to_string(i), 1, i});
    TopicFiles files(TopicRecord::OrderB, topics);
    TopicList list;
    try {
        list.scan(files.topics(), files.titles(), {TopicRecord::OrderB, false, 0, 30, "frm82"});
        FAIL() << "no range error";
    } catch (const RangeError& e) {
        EXPECT_STREQ(e.what(), "\"data\\topics\": record 31 is one too many for the 30 "
                               "entries of the number table of frm82");
    }
    ASSERT_EQ(list.count(), 30);
    EXPECT_EQ(list.title(29), "t30");
    EXPECT_EQ(list.numbers().size(), 30u);
}

TEST(TopicList, FilteredOutRecordsDoNotCountAgainstTheCapacity)
{
    std::vector<Topic> topics;
    for (int i = 0; i < 10; ++i)
        topics.push_back({"t", i < 3 ? 2 : 5, i});
    TopicFiles files(TopicRecord::Grouped, topics);
    TopicList list;
    EXPECT_NO_THROW(
        list.scan(files.topics(), files.titles(), {TopicRecord::Grouped, true, 0, 3, "frm02"}, 2));
    EXPECT_EQ(list.count(), 3);
}

TEST(TopicList, ABadFieldStopsTheScanWithTheEntriesBeforeIt)
{
    TopicFiles files(TopicRecord::OrderB, {{"a", 0, 1}, {"b", 0, 2}}, "0000000x0000000100000003");
    TopicList list;
    EXPECT_THROW(
        list.scan(files.topics(), files.titles(), {TopicRecord::OrderB, false, 0, 30, "frm82"}),
        ConversionError);
    EXPECT_EQ(list.titles(), (std::vector<std::string>{"a", "b"}));
}

TEST(TopicList, TrailingBreakAndPartialRecordAddNoEntry)
{
    // 24 n + 2 characters of list text: n records.
    TopicFiles files(TopicRecord::OrderB, {{"a", 0, 1}, {"b", 0, 2}}, "\r\n");
    TopicList list;
    list.scan(files.topics(), files.titles(), {TopicRecord::OrderB, false, 0, 30, "frm82"});
    EXPECT_EQ(list.count(), 2);
}

TEST(TopicList, TitlesAreCutByLengthAndAtAZeroByte)
{
    test::FixtureDir content;
    content.write("data\\topics", fields({0, 3, 1}) + fields({4, 5, 2}) + fields({100, 5, 3}));
    content.write("data\\titles", std::string("abcdef\0gh", 9));
    const ContentDir dir(content.path());
    TopicList list;
    list.scan(IndexList::load(dir, "data\\topics"), DataFile::open(dir, "data\\titles"),
              {TopicRecord::OrderB, false, 0, 30, "frm82"});
    EXPECT_EQ(list.titles(), (std::vector<std::string>{"abc", "ef", ""}));
}

TEST(TopicList, MissingTitlesFileGivesEmptyTitlesAndANegativeLengthIsARangeError)
{
    test::FixtureDir content;
    content.write("data\\topics", fields({0, 3, 1}) + fields({0, -2, 2}));
    const ContentDir dir(content.path());
    TopicList list;
    EXPECT_THROW(list.scan(IndexList::load(dir, "data\\topics"), DataFile::open(dir, "data\\none"),
                           {TopicRecord::OrderB, false, 0, 30, "frm82"}),
                 RangeError);
    EXPECT_EQ(list.titles(), (std::vector<std::string>{""}));
    EXPECT_EQ(list.numbers(), (std::vector<int>{1})) << "numbers stay in step with the titles";
}

} // namespace
} // namespace ovta
