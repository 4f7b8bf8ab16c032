#include "shell/lazy_media_player.h"

#include <QWidget>

#include <atomic>

namespace ovta {
namespace {

// Media support missing is one fault of the installation: the first player
// that meets it reports it, every later one fails the same way unreported.
std::atomic<bool> unavailableReported{false};

}  // namespace

LazyMediaPlayer::LazyMediaPlayer(Maker make) : make_(std::move(make)) {}

LazyMediaPlayer::~LazyMediaPlayer() = default;

void LazyMediaPlayer::setFileName(const QString& contentName)
{
    fileName_ = contentName;
    if (real_)
        real_->setFileName(contentName);
}

QString LazyMediaPlayer::fileName() const { return fileName_; }

void LazyMediaPlayer::makeReal()
{
    const bool withDisplay = display_ != nullptr;
    std::unique_ptr<MediaPlayer> made;
    try {
        made = make_(withDisplay);
    } catch (const MediaError& e) {
        traceOpen();
        traceError(e.what());
        failUnavailable(QString::fromStdString(e.what()));
    }
    if (!made) {
        traceOpen();
        failUnavailable(QStringLiteral("no media player"));
    }
    real_ = std::move(made);
    realShowsPictures_ = withDisplay;
    real_->onError([this](const QString& text) { reportError(text); });
    real_->onFinished([this] { reportFinished(); });
    if (display_)
        real_->setDisplay(display_);
}

void LazyMediaPlayer::open()
{
    if (!real_)
        makeReal();
    real_->setFileName(fileName_);
    real_->open();
}

void LazyMediaPlayer::remakeForDisplay()
{
    const bool wasOpen = real_->isOpen();
    const std::int64_t at = wasOpen ? real_->position() : 0;
    const bool wasPlaying = wasOpen && real_->playing();
    real_.reset();
    if (!wasOpen)
        return;  // the next open() makes the right one
    open();
    setPosition(at);
    if (wasPlaying)
        play();
}

void LazyMediaPlayer::failUnavailable(const QString& reason) const
{
    const MediaError error = openError(reason);
    if (unavailableReported.exchange(true))
        throw MediaUnavailable(error.what());
    throw error;
}

void LazyMediaPlayer::forgetReportedFailure() { unavailableReported = false; }

void LazyMediaPlayer::close()
{
    if (real_)
        real_->close();
}

bool LazyMediaPlayer::isOpen() const { return real_ && real_->isOpen(); }

MediaPlayer& LazyMediaPlayer::openOne() const
{
    if (!real_)
        throw notOpenError();
    return *real_;
}

void LazyMediaPlayer::play() { openOne().play(); }

void LazyMediaPlayer::playRange(std::int64_t fromMs, std::int64_t toMs)
{
    openOne().playRange(fromMs, toMs);
}

void LazyMediaPlayer::pause() { openOne().pause(); }

void LazyMediaPlayer::resume() { openOne().resume(); }

std::int64_t LazyMediaPlayer::position() const { return openOne().position(); }

std::int64_t LazyMediaPlayer::length() const { return openOne().length(); }

void LazyMediaPlayer::setPosition(std::int64_t ms) { openOne().setPosition(ms); }

bool LazyMediaPlayer::playing() const { return openOne().playing(); }

void LazyMediaPlayer::setDisplay(QWidget* panel)
{
    display_ = panel;
    if (!real_)
        return;
    if (panel && !realShowsPictures_) {
        remakeForDisplay();
        return;
    }
    real_->setDisplay(panel);
}

}  // namespace ovta
