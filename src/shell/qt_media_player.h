// The media player over Qt Multimedia (the GStreamer backend on Debian).
// Each open() builds a fresh backend player, so nothing from a previous file
// (late errors, a pending seek) can reach the new one.
//
// open() blocks the way a synchronous toolkit's open did: it runs a local
// event loop without user input until the file is loaded or has failed (at
// most a few seconds). Timers still tick inside it; ovta::Timer keeps a
// handler from re-entering itself.
//
// The backend may ignore a seek made before playback has really started, and
// reports its position only about every 100 ms; so a seek is checked against
// the first reported position after it (and made again if it was ignored),
// the position is held at the known value until then, and a range is stopped
// by a precise timer as well as by the reported position.
#pragma once

#include "shell/media_player.h"
#include "shell/video_view.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <optional>

class QAudioOutput;
class QMediaPlayer;
class QUrl;
class QVideoSink;

namespace ovta {

class QtMediaPlayer : public QObject, public MediaPlayer {
public:
    explicit QtMediaPlayer(QObject* parent = nullptr);
    ~QtMediaPlayer() override;

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
    void setDisplay(QWidget* panel) override;

    // The view that draws the video inside the display panel: nullptr
    // without a panel, and until the first piece is opened with one.
    VideoView* videoView() const;

private:
    QVideoSink* videoSink();
    void makeVideoView();
    void createBackend();
    void retireBackend(bool fromBackendSignal);
    // Sets the source and waits; returns why it failed, or nothing.
    QString load(const QUrl& url);
    void resetPlayState();

    void startBackend();
    void seekWhilePlaying(std::int64_t ms);
    void markFlowing();
    void stopAtRangeEnd();
    void endPiece();
    void queueFinished();
    void fail(const QString& reason);
    std::int64_t backendPosition() const;

    void onPositionChanged(qint64 pos);
    void onTick();

    QString fileName_;
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* audio_ = nullptr;
    QVideoSink* sink_ = nullptr;
    QPointer<QWidget> display_;
    QPointer<VideoView> video_;
    QTimer tick_;

    bool open_ = false;
    std::int64_t length_ = 0;
    // Asked to play and not yet stopped (by a pause, a range end, the end).
    // A pause keeps rangeEnd_ for resume().
    bool wantPlaying_ = false;
    // The backend is really playing from the expected place: its reported
    // position can be trusted.
    bool flowing_ = false;
    bool ended_ = false;
    // Playback stopped by itself and the finished handler is still to run.
    bool finishDue_ = false;
    std::int64_t rangeEnd_ = -1;
    // The position to report while the backend's own cannot be trusted.
    std::optional<std::int64_t> held_;
    // Where playback must start; checked against the backend once it plays.
    std::optional<std::int64_t> seekTarget_;
    int seekTries_ = 0;
};

} // namespace ovta
