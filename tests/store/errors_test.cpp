#include "store/errors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ovta {
namespace {

TEST(ContentErrorText, NamesTheFileInQuotesThenTheProblem)
{
    EXPECT_EQ(contentErrorText("data\\kenor002", "cannot be opened"),
              "\"data\\kenor002\": cannot be opened");
    EXPECT_EQ(contentErrorText("", "negative text length -1"),
              "(no file): negative text length -1");
}

TEST(ContentErrorText, QuotesContentBytesSoThatNoneCanEndOrGarbleTheQuote)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "\"\""},
        {"12ab    ", "\"12ab    \""},
        {"a\"b", "\"a\\x22b\""},
        {"a\\b", "\"a\\x5Cb\""},
        {std::string("\0\r\n\x7F\xC0\xFF", 6), "\"\\x00\\x0D\\x0A\\x7F\\xC0\\xFF\""},
    };
    for (const auto& [bytes, quoted] : cases)
        EXPECT_EQ(quoteBytes(bytes), quoted) << testing::PrintToString(bytes);
}

}  // namespace
}  // namespace ovta
