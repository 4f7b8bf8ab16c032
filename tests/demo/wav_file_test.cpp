#include "demo/wav_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "store/errors.h"
#include "support/byte_string.h"

namespace ovta::demo {
namespace {

using test::le32;

std::uint16_t le16(const std::string& b, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      (static_cast<unsigned char>(b[at + 1]) << 8));
}

TEST(PcmWav, HeaderFieldsDescribeTheSamples)
{
    struct Case {
        std::vector<std::int16_t> samples;
        int rate;
        int channels;
    } cases[] = {
        {{}, 22050, 1},
        {{1, -1, 300}, 22050, 1},
        {{0, 1, 2, 3, 4, 5}, 44100, 2},
        {{-32768, 32767}, 11025, 2},
    };
    for (const auto& c : cases) {
        const std::string wav = pcm16Wav(c.samples, c.rate, c.channels);
        SCOPED_TRACE(testing::Message() << c.samples.size() << " samples, " << c.channels << " ch");
        ASSERT_EQ(wav.size(), 44 + 2 * c.samples.size());
        EXPECT_EQ(wav.substr(0, 4), "RIFF");
        EXPECT_EQ(le32(wav, 4), wav.size() - 8);
        EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(le32(wav, 16), 16u);
        EXPECT_EQ(le16(wav, 20), 1); // PCM
        EXPECT_EQ(le16(wav, 22), c.channels);
        EXPECT_EQ(le32(wav, 24), static_cast<std::uint32_t>(c.rate));
        EXPECT_EQ(le32(wav, 28), static_cast<std::uint32_t>(c.rate * c.channels * 2));
        EXPECT_EQ(le16(wav, 32), c.channels * 2);
        EXPECT_EQ(le16(wav, 34), 16);
        EXPECT_EQ(wav.substr(36, 4), "data");
        EXPECT_EQ(le32(wav, 40), 2 * c.samples.size());
        for (std::size_t i = 0; i < c.samples.size(); ++i)
            EXPECT_EQ(static_cast<std::int16_t>(le16(wav, 44 + 2 * i)), c.samples[i]) << i;
    }
}

TEST(PcmWav, RefusesShapesItCannotDescribe)
{
    const std::vector<std::int16_t> three{1, 2, 3};
    EXPECT_THROW(pcm16Wav(three, 22050, 2), RangeError); // half a frame
    EXPECT_THROW(pcm16Wav(three, 22050, 0), RangeError);
    EXPECT_THROW(pcm16Wav(three, 22050, 3), RangeError);
    EXPECT_THROW(pcm16Wav(three, 0, 1), RangeError);
}

} // namespace
} // namespace ovta::demo
