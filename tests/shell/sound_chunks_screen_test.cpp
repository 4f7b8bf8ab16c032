// The sound chunker between a wave parser and a sink: what reaches the sink
// is the same sound in half-second pieces, with exact, gapless times, from
// the start and after a seek to a range, and the stream still ends.
#include "shell/sound_chunks.h"

#include <gst/gst.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "support/fixture_dir.h"
#include "support/wave_bytes.h"

namespace ovta {
namespace {

constexpr GstClockTime kPiece = 500 * GST_MSECOND;

struct Piece {
    GstClockTime pts, duration;
    gsize size;
};

class SoundChunks : public ::testing::Test {
protected:
    void SetUp() override
    {
        gst_init(nullptr, nullptr);
        path_ = (dir_.path() / "tone.wav").string();
        std::ofstream(path_, std::ios::binary) << test::musicWaveBytes(3000);
        pipeline_ = gst_pipeline_new(nullptr);
        GstElement* source = gst_element_factory_make("filesrc", nullptr);
        GstElement* parse = gst_element_factory_make("wavparse", nullptr);
        GstElement* chunker = makeSoundChunker(kPiece);
        GstElement* sink = gst_element_factory_make("fakesink", nullptr);
        ASSERT_TRUE(source && parse && chunker && sink);
        g_object_set(source, "location", path_.c_str(), nullptr);
        g_object_set(sink, "sync", FALSE, "signal-handoffs", TRUE, nullptr);
        gst_bin_add_many(GST_BIN(pipeline_), source, parse, chunker, sink, nullptr);
        ASSERT_TRUE(gst_element_link_many(source, parse, chunker, sink, nullptr));
        g_signal_connect(sink, "handoff", G_CALLBACK(+[](GstElement*, GstBuffer* b, GstPad*,
                                                        gpointer pieces) {
                             static_cast<std::vector<Piece>*>(pieces)->push_back(
                                 {GST_BUFFER_PTS(b), GST_BUFFER_DURATION(b), gst_buffer_get_size(b)});
                         }),
                         &out_);
        GstPad* in = gst_element_get_static_pad(chunker, "sink");
        gst_pad_add_probe(in, GST_PAD_PROBE_TYPE_BUFFER,
                          +[](GstPad*, GstPadProbeInfo* info, gpointer pieces) {
                              GstBuffer* b = GST_PAD_PROBE_INFO_BUFFER(info);
                              static_cast<std::vector<Piece>*>(pieces)->push_back(
                                  {GST_BUFFER_PTS(b), GST_BUFFER_DURATION(b),
                                   gst_buffer_get_size(b)});
                              return GST_PAD_PROBE_OK;
                          },
                          &in_, nullptr);
        gst_object_unref(in);
    }
    void TearDown() override
    {
        if (pipeline_) {
            gst_element_set_state(pipeline_, GST_STATE_NULL);
            gst_object_unref(pipeline_);
        }
    }

    bool runToEnd()
    {
        gst_element_set_state(pipeline_, GST_STATE_PLAYING);
        GstBus* bus = gst_element_get_bus(pipeline_);
        GstMessage* m = gst_bus_timed_pop_filtered(
            bus, 10 * GST_SECOND, GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
        const bool ended = m && GST_MESSAGE_TYPE(m) == GST_MESSAGE_EOS;
        if (m)
            gst_message_unref(m);
        gst_object_unref(bus);
        return ended;
    }

    // The pieces that reached the sink, against what the parser pushed.
    void expectSameSoundInPieces(GstClockTime from, GstClockTime to)
    {
        ASSERT_FALSE(out_.empty());
        ASSERT_GT(in_.size(), out_.size()) << "nothing was joined";
        EXPECT_EQ(out_.front().pts, from);
        gsize inBytes = 0, outBytes = 0;
        for (const auto& p : in_)
            inBytes += p.size;
        for (std::size_t i = 0; i < out_.size(); ++i) {
            outBytes += out_[i].size;
            if (i + 1 < out_.size()) {
                EXPECT_EQ(out_[i].pts + out_[i].duration, out_[i + 1].pts) << "gap after piece " << i;
                EXPECT_GE(out_[i].duration, kPiece) << i;
                EXPECT_LT(out_[i].duration, kPiece + 100 * GST_MSECOND) << i;
            }
        }
        EXPECT_EQ(out_.back().pts + out_.back().duration, to);
        EXPECT_EQ(in_.back().pts + in_.back().duration, to);
        EXPECT_EQ(outBytes, inBytes);
    }

    test::FixtureDir dir_;
    std::string path_;
    GstElement* pipeline_ = nullptr;
    std::vector<Piece> in_, out_;
};

TEST_F(SoundChunks, TheWholeFileArrivesInHalfSecondPiecesAndEnds)
{
    ASSERT_TRUE(runToEnd());
    expectSameSoundInPieces(0, 3 * GST_SECOND);
    EXPECT_LE(out_.size(), 7u);
}

TEST_F(SoundChunks, ARangeSoughtToArrivesFromItsStartToItsStopAndEnds)
{
    gst_element_set_state(pipeline_, GST_STATE_PAUSED);
    ASSERT_EQ(gst_element_get_state(pipeline_, nullptr, nullptr, 5 * GST_SECOND),
              GST_STATE_CHANGE_SUCCESS);
    in_.clear();
    out_.clear();
    ASSERT_TRUE(gst_element_seek(pipeline_, 1.0, GST_FORMAT_TIME,
                                 GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                                 GST_SEEK_TYPE_SET, GstClockTime(1000 * GST_MSECOND),
                                 GST_SEEK_TYPE_SET, GstClockTime(2200 * GST_MSECOND)));
    ASSERT_TRUE(runToEnd());
    expectSameSoundInPieces(1000 * GST_MSECOND, 2200 * GST_MSECOND);
}

}  // namespace
}  // namespace ovta
