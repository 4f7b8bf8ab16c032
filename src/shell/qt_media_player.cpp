#include "shell/qt_media_player.h"

#include "store/content_dir.h"
#include "store/content_file.h"

#include <QAudioOutput>
#include <QEventLoop>
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <algorithm>
#include <tuple>
#include <utility>

namespace ovta {
namespace {

constexpr int kOpenTimeoutMs = 5000;
// The backend reports its position about every 100 ms; if nothing comes
// this long after starting, trust it anyway rather than wait for ever.
constexpr int kStartWatchMs = 500;
// The first position reported after a seek lies in this window around the
// target when the seek was applied; otherwise the seek is made again.
constexpr std::int64_t kSeekEarlyMs = 50;
constexpr std::int64_t kSeekLateMs = 300;
constexpr int kSeekRetries = 3;
// A range timer that fires this close to the range end stops the range;
// earlier (the backend's clock lagging), it is armed again for the rest.
constexpr std::int64_t kRangeSlackMs = 10;

int timerInterval(std::int64_t ms)
{
    return int(std::clamp<std::int64_t>(ms, 0, 1 << 30));
}

} // namespace

QtMediaPlayer::QtMediaPlayer(QObject* parent) : QObject(parent)
{
    tick_.setSingleShot(true);
    tick_.setTimerType(Qt::PreciseTimer);
    connect(&tick_, &QTimer::timeout, this, [this] { onTick(); });
}

QtMediaPlayer::~QtMediaPlayer()
{
    open_ = false;
    tick_.stop();
    retireBackend(false);
    delete video_.data();
}

void QtMediaPlayer::createBackend()
{
    // No parent: a backend that fails inside one of its own signals is
    // deleted later, and must not die with us before then.
    player_ = new QMediaPlayer;
    audio_ = new QAudioOutput(player_);
    player_->setAudioOutput(audio_);
    if (display_) {
        makeVideoView();
        player_->setVideoSink(videoSink());
    }
    connect(player_, &QMediaPlayer::positionChanged, this,
            [this](qint64 pos) { onPositionChanged(pos); });
    connect(player_, &QMediaPlayer::durationChanged, this, [this](qint64 duration) {
        if (!open_ || duration <= 0)
            return;
        length_ = duration;
        if (ended_)
            held_ = length_;
    });
    connect(player_, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) {
                if (!open_)
                    return;
                if (status == QMediaPlayer::EndOfMedia && !ended_) {
                    const bool wasPlaying = wantPlaying_;
                    endPiece();
                    if (wasPlaying)
                        queueFinished();
                } else if (status == QMediaPlayer::InvalidMedia)
                    fail("the media can no longer be decoded");
            });
    connect(player_, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString& text) {
                if (open_)
                    fail(text.isEmpty() ? QString("playback failed") : text);
            });
}

void QtMediaPlayer::retireBackend(bool fromBackendSignal)
{
    if (video_) {
        video_->hide();
        video_->clear();
    }
    if (!player_)
        return;
    QMediaPlayer* old = std::exchange(player_, nullptr);
    audio_ = nullptr;
    QObject::disconnect(old, nullptr, this, nullptr);
    if (fromBackendSignal) {
        old->deleteLater();
        return;
    }
    // Deleting the player tears its pipeline down; stopping it first would
    // only make the back-end seek to the start and wait for that.
    delete old;
}

QString QtMediaPlayer::load(const QUrl& url)
{
    QEventLoop loop;
    bool loaded = false;
    QString failure;
    const auto settle = [&](QMediaPlayer::MediaStatus status) {
        switch (status) {
        case QMediaPlayer::LoadedMedia:
        case QMediaPlayer::BufferingMedia:
        case QMediaPlayer::BufferedMedia:
        case QMediaPlayer::EndOfMedia: loaded = true; break;
        case QMediaPlayer::InvalidMedia:
            if (failure.isEmpty())
                failure = "not a playable media file";
            break;
        default: return;
        }
        loop.quit();
    };
    connect(player_, &QMediaPlayer::mediaStatusChanged, &loop, settle);
    // The first error names the cause; later ones only add "internal data
    // stream error".
    connect(player_, &QMediaPlayer::errorOccurred, &loop,
            [&](QMediaPlayer::Error, const QString& text) {
                if (failure.isEmpty())
                    failure = text.isEmpty() ? QString("not a playable media file") : text;
                loop.quit();
            });
    player_->setSource(url);
    settle(player_->mediaStatus());
    if (!loaded && failure.isEmpty()) {
        QTimer timeout;
        timeout.setSingleShot(true);
        connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
        timeout.start(kOpenTimeoutMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (failure.isEmpty() && !loaded)
        failure = QString("the file did not load within %1 seconds").arg(kOpenTimeoutMs / 1000);
    return failure;
}

void QtMediaPlayer::resetPlayState()
{
    finishDue_ = false;
    wantPlaying_ = flowing_ = ended_ = false;
    rangeEnd_ = -1;
    held_.reset();
    seekTarget_.reset();
    seekTries_ = 0;
    tick_.stop();
}

void QtMediaPlayer::open()
{
    close();
    // Only a regular file: reading a pipe or a device would block the
    // backend inside this call.
    const auto path = ContentFile::regularFile(ContentDir::current(), fileName_.toStdString());
    if (!path) {
        const MediaError error = openError();
        traceError(error.what());
        throw error;
    }
    createBackend();
    const QString failure = load(QUrl::fromLocalFile(QString::fromStdString(path->string())));
    if (!failure.isEmpty()) {
        retireBackend(false);
        const MediaError error = openError(failure);
        traceError(error.what());
        throw error;
    }
    open_ = true;
    resetPlayState();
    length_ = std::max<qint64>(player_->duration(), 0);
    held_ = 0;
    if (video_)
        video_->show();
    traceOpen();
}

void QtMediaPlayer::close()
{
    if (!open_ && !player_)
        return;
    open_ = false;
    resetPlayState();
    length_ = 0;
    retireBackend(false);
}

std::int64_t QtMediaPlayer::backendPosition() const
{
    return player_ ? player_->position() : 0;
}

void QtMediaPlayer::play()
{
    finishDue_ = false;
    requireOpen();
    rangeEnd_ = -1;
    // No automatic rewind: at the end, play waits for the position to be
    // set back.
    if (ended_)
        return;
    tracePlay(position(), -1);
    if (wantPlaying_) {
        if (flowing_)
            tick_.stop();
        return;
    }
    startBackend();
}

void QtMediaPlayer::playRange(std::int64_t fromMs, std::int64_t toMs)
{
    finishDue_ = false;
    requireOpen();
    std::tie(fromMs, toMs) = acceptedRange(fromMs, toMs, length_);
    ended_ = false;
    if (fromMs == toMs) {
        rangeEnd_ = -1;
        if (wantPlaying_) {
            wantPlaying_ = flowing_ = false;
            tick_.stop();
            player_->pause();
        }
        if (toMs == length_) {
            endPiece();
            return;
        }
        held_ = seekTarget_ = fromMs;
        return;
    }
    rangeEnd_ = toMs;
    if (wantPlaying_) {
        seekWhilePlaying(fromMs);
        return;
    }
    held_ = seekTarget_ = fromMs;
    startBackend();
}

void QtMediaPlayer::pause()
{
    finishDue_ = false;
    requireOpen();
    if (!wantPlaying_)
        return;
    held_ = position();
    wantPlaying_ = flowing_ = false;
    tick_.stop();
    player_->pause();
}

void QtMediaPlayer::resume()
{
    finishDue_ = false;
    requireOpen();
    if (wantPlaying_ || ended_)
        return;
    tracePlay(position(), rangeEnd_);
    startBackend();
}

std::int64_t QtMediaPlayer::position() const
{
    requireOpen();
    if (held_)
        return *held_;
    return std::clamp<std::int64_t>(backendPosition(), 0, rangeEnd_ >= 0 ? rangeEnd_ : length_);
}

std::int64_t QtMediaPlayer::length() const
{
    requireOpen();
    return length_;
}

void QtMediaPlayer::setPosition(std::int64_t ms)
{
    finishDue_ = false;
    requireOpen();
    ms = std::clamp<std::int64_t>(ms, 0, length_);
    if (ms == length_) {
        endPiece();
        return;
    }
    ended_ = false;
    if (rangeEnd_ >= 0 && ms >= rangeEnd_)
        rangeEnd_ = -1;
    if (wantPlaying_) {
        seekWhilePlaying(ms);
        return;
    }
    held_ = seekTarget_ = ms;
}

bool QtMediaPlayer::playing() const
{
    requireOpen();
    return wantPlaying_;
}

VideoView* QtMediaPlayer::videoView() const
{
    return video_;
}

QVideoSink* QtMediaPlayer::videoSink()
{
    if (!sink_)
        sink_ = new QVideoSink(this);
    return sink_;
}

void QtMediaPlayer::setDisplay(QWidget* panel)
{
    if (panel == display_)
        return;
    delete video_.data();
    display_ = panel;
    if (!panel) {
        if (player_)
            player_->setVideoSink(nullptr);
        return;
    }
    // The video sink starts the media back-end: the view and the sink are
    // made when a piece is opened, not before, so a screen with a video
    // panel shows at once.
    if (player_) {
        makeVideoView();
        player_->setVideoSink(videoSink());
    }
}

void QtMediaPlayer::makeVideoView()
{
    if (video_ || !display_)
        return;
    // The backend draws into a sink of our own and each frame is passed on
    // to the panel's view: the panel may be destroyed before the player,
    // and the backend must never hold a sink that died with it.
    video_ = new VideoView(display_);
    video_->setVisible(open_);
    connect(videoSink(), &QVideoSink::videoFrameChanged, video_.data(), &VideoView::showFrame);
}

void QtMediaPlayer::startBackend()
{
    if (!held_)
        held_ = backendPosition();
    // A seek before the backend plays may be ignored; onPositionChanged()
    // checks it and meanwhile the sound stays muted.
    if (seekTarget_) {
        audio_->setMuted(true);
        player_->setPosition(*seekTarget_);
        if (!player_)
            return;
    }
    wantPlaying_ = true;
    flowing_ = false;
    seekTries_ = 0;
    tick_.start(kStartWatchMs);
    player_->play();
}

void QtMediaPlayer::seekWhilePlaying(std::int64_t ms)
{
    held_ = seekTarget_ = ms;
    flowing_ = false;
    seekTries_ = 0;
    audio_->setMuted(true);
    tick_.start(kStartWatchMs);
    player_->setPosition(ms);
}

void QtMediaPlayer::onPositionChanged(qint64 pos)
{
    if (!open_ || !wantPlaying_)
        return;
    if (flowing_) {
        if (rangeEnd_ >= 0 && pos >= rangeEnd_)
            stopAtRangeEnd();
        return;
    }
    if (seekTarget_ && seekTries_ < kSeekRetries &&
        (pos < *seekTarget_ - kSeekEarlyMs || pos > *seekTarget_ + kSeekLateMs)) {
        ++seekTries_;
        player_->setPosition(*seekTarget_);
        return;
    }
    markFlowing();
}

void QtMediaPlayer::markFlowing()
{
    flowing_ = true;
    held_.reset();
    seekTarget_.reset();
    seekTries_ = 0;
    audio_->setMuted(false);
    tick_.stop();
    if (rangeEnd_ < 0)
        return;
    const std::int64_t remaining = rangeEnd_ - backendPosition();
    if (remaining <= kRangeSlackMs) {
        stopAtRangeEnd();
        return;
    }
    tick_.start(timerInterval(remaining));
}

void QtMediaPlayer::onTick()
{
    if (!open_ || !wantPlaying_)
        return;
    if (!flowing_) {
        markFlowing();
        return;
    }
    if (rangeEnd_ < 0)
        return;
    const std::int64_t remaining = rangeEnd_ - backendPosition();
    if (remaining > kRangeSlackMs) {
        tick_.start(timerInterval(remaining));
        return;
    }
    stopAtRangeEnd();
}

void QtMediaPlayer::stopAtRangeEnd()
{
    const std::int64_t end = rangeEnd_;
    if (end >= length_) {
        endPiece();
        queueFinished();
        return;
    }
    rangeEnd_ = -1;
    wantPlaying_ = flowing_ = false;
    tick_.stop();
    held_ = end;
    player_->pause();
    queueFinished();
}

void QtMediaPlayer::queueFinished()
{
    // Told from the event loop, not from inside the backend's signal: the
    // handler may well play the piece again at once. A call made before
    // then drops it (see resetPlayState() and the calls).
    finishDue_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (std::exchange(finishDue_, false))
                reportFinished();
        },
        Qt::QueuedConnection);
}

void QtMediaPlayer::endPiece()
{
    ended_ = true;
    held_ = length_;
    wantPlaying_ = flowing_ = false;
    rangeEnd_ = -1;
    seekTarget_.reset();
    tick_.stop();
    if (!player_)
        return;
    audio_->setMuted(false);
    // Paused, not stopped: a stop makes the back-end seek to the start and
    // wait for the pipeline to settle, about 300 ms in which nothing else
    // runs (the intro's skip waited that long). The piece is held at its
    // end either way until a position is set.
    if (player_->playbackState() == QMediaPlayer::PlayingState)
        player_->pause();
}

void QtMediaPlayer::fail(const QString& reason)
{
    const MediaError error = playError(reason);
    traceError(error.what());
    open_ = false;
    resetPlayState();
    length_ = 0;
    retireBackend(true);
    reportError(QString::fromStdString(error.what()));
}

} // namespace ovta
