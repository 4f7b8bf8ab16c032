#include "demo/music.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include "support/byte_string.h"

namespace ovta::demo {
namespace {

using test::le32;

class MusicLoop : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        pcm_ = new std::vector<std::int16_t>(renderMusicLoop());
        wav_ = new std::string(musicLoopWav());
    }
    static void TearDownTestSuite()
    {
        delete pcm_;
        delete wav_;
    }
    static std::vector<std::int16_t>* pcm_;
    static std::string* wav_;
};
std::vector<std::int16_t>* MusicLoop::pcm_ = nullptr;
std::string* MusicLoop::wav_ = nullptr;

TEST_F(MusicLoop, FileHoldsTheLoopAsMonoPcmAtTheRate)
{
    const auto& wav = *wav_;
    ASSERT_EQ(wav.size(), 44 + 2 * pcm_->size());
    EXPECT_EQ(le32(wav, 4), wav.size() - 8);
    EXPECT_EQ(le32(wav, 24), static_cast<std::uint32_t>(kMusicRate));
    EXPECT_EQ(le32(wav, 40), wav.size() - 44);
    EXPECT_LT(wav.size(), 1000u * 1000u);
    const double seconds = static_cast<double>(pcm_->size()) / kMusicRate / kMusicChannels;
    EXPECT_GE(seconds, 6.0);
    EXPECT_LE(seconds, 12.0);
}

TEST_F(MusicLoop, IsAudibleAndNeverClips)
{
    int peak = 0;
    for (const auto s : *pcm_)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_LT(peak, 32767);
    EXPECT_GT(peak, 32767 / 4);
    // Every quarter of the loop carries sound: no silent stretch a listener
    // would hear as a gap before the replay.
    const std::size_t quarter = pcm_->size() / 4;
    for (std::size_t q = 0; q < 4; ++q) {
        double sum = 0;
        for (std::size_t i = q * quarter; i < (q + 1) * quarter; ++i)
            sum += static_cast<double>((*pcm_)[i]) * (*pcm_)[i];
        EXPECT_GT(std::sqrt(sum / static_cast<double>(quarter)), 500.0) << "quarter " << q;
    }
}

TEST_F(MusicLoop, BothEndsFadeToSilenceSoTheReplayDoesNotClick)
{
    const auto& pcm = *pcm_;
    ASSERT_GT(pcm.size(), 1000u);
    EXPECT_LE(std::abs(pcm.front()), 16);
    EXPECT_LE(std::abs(pcm.back()), 16);
    // Within the fades the wave may not jump: the steepest step of the first
    // and last two milliseconds stays small.
    const std::size_t ms2 = kMusicRate / 500;
    for (std::size_t i = 1; i < ms2; ++i) {
        EXPECT_LT(std::abs(pcm[i] - pcm[i - 1]), 512) << i;
        const std::size_t j = pcm.size() - i;
        EXPECT_LT(std::abs(pcm[j] - pcm[j - 1]), 512) << j;
    }
}

TEST_F(MusicLoop, SameBytesOnEveryRun)
{
    EXPECT_EQ(musicLoopWav(), *wav_);
}

} // namespace
} // namespace ovta::demo
