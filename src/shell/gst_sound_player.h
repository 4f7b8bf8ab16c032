// The player of pieces without a picture (the menu's music, a book's
// recitations), straight on GStreamer: a pipeline of
//   filesrc ! decodebin ! audioconvert ! audioresample ! <audio sink>
// with no queue of its own, so a playing piece runs on the one streaming
// thread that reads and decodes it.
//
// Nothing is polled while a piece plays. The end of the piece and the end of
// a range both come as the pipeline's end-of-stream (a range is a seek with
// a stop position), carried from the streaming thread to the interface
// thread as one queued call, which then calls the finished handler;
// position() asks the pipeline only when called.
//
// The sound goes to the best audio sink of the system that opens, with a
// long buffer (these pieces need no low latency). A machine without sound
// (no server, no device) plays into a clock-driven fake sink instead: the
// piece still takes its real time and ends at its length.
//
// open() blocks until the file is loaded (prerolled) or has failed, as the
// other player's does.
#pragma once

#include "shell/media_player.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

typedef struct _GstElement GstElement;
typedef struct _GstMessage GstMessage;

namespace ovta {

class GstSoundPlayer : public QObject, public MediaPlayer {
public:
    explicit GstSoundPlayer(QObject* parent = nullptr);
    ~GstSoundPlayer() override;

    void setFileName(const QString& contentName) override { fileName_ = contentName; }
    QString fileName() const override { return fileName_; }
    void open() override;
    void close() override;
    bool isOpen() const override { return open_; }
    void play() override;
    void playRange(std::int64_t fromMs, std::int64_t toMs) override;
    void pause() override;
    void resume() override;
    std::int64_t position() const override;
    std::int64_t length() const override;
    void setPosition(std::int64_t ms) override;
    bool playing() const override;
    // Sound only: a display is ignored (pieces with a picture are played by
    // the other player).
    void setDisplay(QWidget*) override {}

    // The factory name of the sink the current piece plays into
    // ("pulsesink", "alsasink", ... or "fakesink" without sound); empty
    // while closed.
    QString sinkName() const { return sinkName_; }

private:
    struct Posted {
        GstMessage* message;
        unsigned generation;
    };

    friend struct GstSoundPlayerBus;

    void resetPlayState();
    void teardown();
    // Loads the pipeline up to its first buffer; returns why it failed.
    QString load(const std::string& path);
    GstElement* makeSink();
    // The first error the pipeline posted (and drops the rest).
    QString takeError();
    QString takeErrorOr(const QString& fallback);

    // The pipeline's stop position for a range ending at `rangeEnd` (-1:
    // none, also for a range that reaches the end).
    std::int64_t stopFor(std::int64_t rangeEnd) const;
    void seekAndPlay(std::int64_t fromMs, std::int64_t stopMs);
    void startPlaying();
    void stopAtRangeEnd();
    void endPiece();
    void fail(const QString& reason);

    // On a streaming thread: keeps the messages the player acts on.
    void post(GstMessage* message);
    void drain();
    std::vector<Posted> takePosted();

    QString fileName_;
    QString sinkName_;
    GstElement* pipeline_ = nullptr;

    bool open_ = false;
    std::int64_t length_ = 0;
    // Asked to play and not stopped since (by a pause, a range end, the end).
    bool wantPlaying_ = false;
    bool ended_ = false;
    // Playback stopped by itself and the finished handler is still to run.
    bool finishDue_ = false;
    // The end of the range being played, kept over a pause for resume();
    // -1 without a range.
    std::int64_t rangeEnd_ = -1;
    // The stop position the pipeline was last sought with (-1: none).
    std::int64_t pipelineStop_ = -1;
    // The position to report while the pipeline's own is not to be trusted:
    // while stopped, and after a seek until the pipeline has settled.
    mutable std::optional<std::int64_t> held_;
    mutable std::int64_t lastPosition_ = 0;
    // Where the next play starts, when it cannot go on from where the
    // pipeline stands (a position set while stopped, a range end reached).
    std::optional<std::int64_t> startAt_;

    // Messages the streaming threads post, waiting for the interface thread.
    // Each seek starts a new generation: an end-of-stream posted before it
    // belongs to a segment that is gone.
    std::mutex postedLock_;
    std::vector<Posted> posted_;
    bool drainQueued_ = false;
    std::atomic<unsigned> generation_{0};
    // The generation in which the current pipeline was made.
    unsigned sessionStart_ = 0;
};

} // namespace ovta
