// The recitation of frm63: the headings' passages name segments that
// exist, no heading offers more than the chooser holds, and every segment
// cuts a stretch of the sound file that lies inside it and carries sound.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>

#include "demo/book_demo_support.h"

namespace ovta::demo {
namespace {

using test::bookDemoDir;

std::uint32_t le(const std::string& b, std::size_t at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

struct Wave {
    int rate = 0, channels = 0, bits = 0;
    std::vector<std::int16_t> samples;
    int milliseconds() const
    {
        return static_cast<int>(static_cast<std::int64_t>(samples.size()) * 1000 / rate);
    }
};

// The canonical PCM layout the player is handed: RIFF, "fmt " of 16 bytes,
// then "data".
Wave readWave(const std::string& bytes)
{
    Wave w;
    if (bytes.size() < 44 || bytes.compare(0, 4, "RIFF") != 0 ||
        bytes.compare(8, 8, "WAVEfmt ") != 0 || bytes.compare(36, 4, "data") != 0)
        return w;
    if (le(bytes, 4, 4) != bytes.size() - 8 || le(bytes, 40, 4) != bytes.size() - 44)
        return w;
    w.channels = static_cast<int>(le(bytes, 22, 2));
    w.rate = static_cast<int>(le(bytes, 24, 4));
    w.bits = static_cast<int>(le(bytes, 34, 2));
    for (std::size_t at = 44; at + 1 < bytes.size(); at += 2)
        w.samples.push_back(static_cast<std::int16_t>(le(bytes, at, 2)));
    return w;
}

class RecitationContent : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const ContentDir dir = bookDemoDir();
        const auto path = dir.resolve("data1\\kenor01.wav");
        ASSERT_TRUE(path);
        std::ifstream in(*path, std::ios::binary);
        wave_ = readWave({std::istreambuf_iterator<char>(in), {}});
    }
    static Wave wave_;
};
Wave RecitationContent::wave_;

TEST_F(RecitationContent, SoundIsMonoPcmOfSomeSecondsPerSegment)
{
    ASSERT_EQ(wave_.channels, 1);
    ASSERT_EQ(wave_.bits, 16);
    ASSERT_GT(wave_.rate, 0);
    const auto segments = IndexList::load(bookDemoDir(), "data\\1kenor612");
    const auto count = segments.recordCount(16);
    ASSERT_GE(count, 13);
    const double seconds = wave_.milliseconds() / 1000.0;
    EXPECT_GE(seconds / static_cast<double>(count), 1.5);
    EXPECT_LE(seconds / static_cast<double>(count), 5.0);
}

TEST_F(RecitationContent, EverySegmentLiesInsideTheSoundAndCarriesIt)
{
    const auto segments = IndexList::load(bookDemoDir(), "data\\1kenor612");
    ASSERT_GT(wave_.rate, 0);
    int previousEnd = 0;
    for (std::int64_t s = 0; s < segments.recordCount(16); ++s) {
        SCOPED_TRACE(testing::Message() << "segment " << s + 1);
        const int start = segments.field(s, 16, 1), end = segments.field(s, 16, 2);
        ASSERT_GE(start, 0);
        ASSERT_LT(start, end);
        ASSERT_LE(end, wave_.milliseconds());
        EXPECT_GE(start, previousEnd) << "overlaps the segment before: two passages at once";
        previousEnd = end;
        const auto from = static_cast<std::size_t>(std::int64_t{start} * wave_.rate / 1000);
        const auto to = static_cast<std::size_t>(std::int64_t{end} * wave_.rate / 1000);
        double sum = 0, peak = 0;
        for (std::size_t i = from; i < to; ++i) {
            sum += static_cast<double>(wave_.samples[i]) * wave_.samples[i];
            peak = std::max(peak, std::abs(static_cast<double>(wave_.samples[i])));
        }
        EXPECT_GT(std::sqrt(sum / static_cast<double>(to - from)), 1000.0) << "too quiet";
        EXPECT_LT(peak, 32767.0) << "clips";
        // A passage starts and ends in quiet, so playing one never starts
        // or stops in the middle of a sung note.
        EXPECT_LT(std::abs(wave_.samples[from]), 2000);
        EXPECT_LT(std::abs(wave_.samples[to - 1]), 2000);
    }
}

TEST_F(RecitationContent, HeadingsOfferAtMostThirteenPassagesOfExistingSegments)
{
    const ContentDir dir = bookDemoDir();
    const auto tree =
        test::readTree(dir, "data\\1kenor69", "data\\kenor610", test::kRecitationTree);
    const auto segments = IndexList::load(dir, "data\\1kenor612");
    bool one = false, full = false, none = false;
    for (const auto& n : tree.nodes) {
        SCOPED_TRACE(testing::Message() << "node " << n.number);
        const int first = n.fields[7], last = n.fields[6];
        if (first == 0) {
            none = none || n.level <= 5;
            continue;
        }
        ASSERT_GE(first, 1);
        ASSERT_GE(last, first);
        ASSERT_LE(last, segments.recordCount(16));
        const int passages = last - first + 1;
        ASSERT_LE(passages, 13);
        if (n.level <= 5) {
            one = one || passages == 1;
            full = full || passages == 13;
        }
    }
    EXPECT_TRUE(one);
    EXPECT_TRUE(full) << "a heading that fills the chooser";
    EXPECT_TRUE(none) << "a heading without passages";
}

} // namespace
} // namespace ovta::demo
