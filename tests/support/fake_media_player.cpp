#include "support/fake_media_player.h"

#include <algorithm>
#include <tuple>

namespace ovta {

void FakeMediaPlayer::addFile(const QString& contentName, std::int64_t lengthMs)
{
    files_[contentName] = Script{std::max<std::int64_t>(lengthMs, 0), true, -1, {}};
}

void FakeMediaPlayer::addUnplayable(const QString& contentName, const QString& reason)
{
    files_[contentName] = Script{0, false, -1, reason};
}

void FakeMediaPlayer::addFailing(const QString& contentName, std::int64_t lengthMs,
                                 std::int64_t failAtMs, const QString& reason)
{
    files_[contentName] = Script{std::max<std::int64_t>(lengthMs, 0), true, failAtMs, reason};
}

void FakeMediaPlayer::endPiece()
{
    position_ = current_->lengthMs;
    ended_ = true;
    playing_ = false;
    rangeEnd_ = -1;
}

void FakeMediaPlayer::open()
{
    log_ << "open " + fileName_;
    current_.reset();
    const auto it = files_.find(fileName_);
    if (it == files_.end() || !it->second.opens) {
        const MediaError error = it == files_.end() ? openError() : openError(it->second.reason);
        traceError(error.what());
        throw error;
    }
    current_ = it->second;
    position_ = 0;
    rangeEnd_ = -1;
    playing_ = ended_ = false;
    traceOpen();
}

void FakeMediaPlayer::close()
{
    log_ << "close";
    current_.reset();
    playing_ = ended_ = false;
}

void FakeMediaPlayer::play()
{
    log_ << "play";
    requireOpen();
    rangeEnd_ = -1;
    if (ended_)
        return;
    tracePlay(position_, -1);
    playing_ = true;
}

void FakeMediaPlayer::playRange(std::int64_t fromMs, std::int64_t toMs)
{
    log_ << QString("playRange %1 %2").arg(fromMs).arg(toMs);
    requireOpen();
    std::tie(fromMs, toMs) = acceptedRange(fromMs, toMs, current_->lengthMs);
    ended_ = false;
    position_ = fromMs;
    rangeEnd_ = toMs;
    playing_ = true;
    if (fromMs == toMs) {
        playing_ = false;
        rangeEnd_ = -1;
        if (toMs == current_->lengthMs)
            endPiece();
    }
}

void FakeMediaPlayer::pause()
{
    log_ << "pause";
    requireOpen();
    playing_ = false;
}

void FakeMediaPlayer::resume()
{
    log_ << "resume";
    requireOpen();
    if (playing_ || ended_)
        return;
    tracePlay(position_, rangeEnd_);
    playing_ = true;
}

std::int64_t FakeMediaPlayer::position() const
{
    requireOpen();
    return position_;
}

std::int64_t FakeMediaPlayer::length() const
{
    requireOpen();
    return current_->lengthMs;
}

void FakeMediaPlayer::setPosition(std::int64_t ms)
{
    log_ << QString("setPosition %1").arg(ms);
    requireOpen();
    ms = std::clamp<std::int64_t>(ms, 0, current_->lengthMs);
    if (ms == current_->lengthMs) {
        endPiece();
        return;
    }
    position_ = ms;
    ended_ = false;
    if (rangeEnd_ >= 0 && ms >= rangeEnd_)
        rangeEnd_ = -1;
}

bool FakeMediaPlayer::playing() const
{
    requireOpen();
    return playing_;
}

void FakeMediaPlayer::setDisplay(QWidget* panel)
{
    const QString name = panel && !panel->objectName().isEmpty() ? panel->objectName() : "widget";
    log_ << (panel ? "setDisplay " + name : QString("setDisplay none"));
    display_ = panel;
}

void FakeMediaPlayer::advance(std::int64_t ms)
{
    if (!current_ || !playing_ || ms <= 0)
        return;
    const std::int64_t stop = rangeEnd_ >= 0 ? rangeEnd_ : current_->lengthMs;
    const std::int64_t target = std::min(position_ + ms, stop);
    const std::int64_t failAt = current_->failAtMs;
    if (failAt >= 0 && failAt >= position_ && failAt <= target) {
        const MediaError error = playError(current_->reason);
        traceError(error.what());
        current_.reset();
        playing_ = ended_ = false;
        reportError(QString::fromStdString(error.what()));
        return;
    }
    position_ = target;
    if (position_ < stop)
        return;
    if (stop == current_->lengthMs) {
        endPiece();
    } else {
        playing_ = false;
        rangeEnd_ = -1;
    }
    // Last: the handler may do anything with this player.
    reportFinished();
}

} // namespace ovta
