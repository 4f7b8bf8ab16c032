// The media player every screen uses for sound and video. Positions and
// lengths are milliseconds; at the end of the piece position() == length().
// A Qt implementation plays through the platform's backend; a scripted fake
// lets tests drive time by hand.
//
// Every implementation keeps the same rules, which the screens rely on:
// - Playback never rewinds by itself: play() at the end does nothing until
//   the position is set back (the music loop does setPosition(0) + play()).
// - setPosition(length()) ends the piece at once; positions are clamped to
//   0..length().
// - A range stops at its end with position() == the range end; a range that
//   reaches the length ends the piece.
// - pause() only acts while playing. resume() plays on from the current
//   position when the player is neither playing nor at the end, to the end
//   of a paused range if there was one; play() always plays to the end of
//   the piece.
// - close() on a closed player does nothing; open() closes first.
// - When playback stops by itself at the end of the piece or of a range,
//   the finished handler is called once, on the interface thread, from the
//   event loop (never inside a call to the player). A pause, a close, a
//   setPosition or an error never calls it, and a call that changes the
//   player's state (open, close, play, playRange, pause, resume,
//   setPosition) before it has run drops it: the end it told of is gone.
#pragma once

#include "store/errors.h"
#include "shell/trace.h"

#include <QString>
#include <cstdint>
#include <algorithm>
#include <functional>
#include <utility>
#include <string>

class QWidget;

namespace ovta {

class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;

    // Content name as written ("data1\\kenor.avi"); resolved under the
    // content directory when opened.
    virtual void setFileName(const QString& contentName) = 0;
    virtual QString fileName() const = 0;

    // Opens the file set by setFileName() and waits until it is loaded.
    // Throws MediaError naming the file when it is missing or cannot be
    // played; the player is then closed.
    virtual void open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Play from the current position, or the range [fromMs, toMs).
    // Throw MediaError when the player is not open, and playRange() also
    // when toMs < fromMs.
    virtual void play() = 0;
    virtual void playRange(std::int64_t fromMs, std::int64_t toMs) = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;

    // Throw MediaError when the player is not open.
    virtual std::int64_t position() const = 0;
    virtual std::int64_t length() const = 0;
    virtual void setPosition(std::int64_t ms) = 0;
    virtual bool playing() const = 0;

    // Video is shown filling this widget (a panel); nullptr for sound only.
    virtual void setDisplay(QWidget* panel) = 0;

    // Called when playback fails after open() succeeded (a decoding error
    // part way through). The player is closed before the call.
    void onError(std::function<void(const QString&)> handler)
    {
        errorHandler_ = std::move(handler);
    }

    // Called when playback has stopped by itself at the end of the piece or
    // of a range (see above); position() then stands at that end.
    void onFinished(std::function<void()> handler) { finishedHandler_ = std::move(handler); }

protected:
    void reportError(const QString& text)
    {
        if (errorHandler_)
            errorHandler_(text);
    }

    // Calls the finished handler. It may close, reopen or even destroy the
    // player: the caller touches nothing of it afterwards.
    void reportFinished()
    {
        if (!finishedHandler_)
            return;
        const std::function<void()> handler = finishedHandler_;
        handler();
    }

    // The texts and trace lines every implementation shares, so that tests
    // of the screens see the same messages from the fake as from the real
    // player. `reason` is the backend's own explanation.
    std::string nameForMessage() const
    {
        return fileName().isEmpty() ? std::string("(no file name)") : fileName().toStdString();
    }
    MediaError notOpenError() const
    {
        return MediaError("media player is not open: " + nameForMessage());
    }
    MediaError openError(const QString& reason = {}) const
    {
        std::string text = "cannot open media file " + nameForMessage();
        if (!reason.isEmpty())
            text += ": " + reason.toStdString();
        return MediaError(text);
    }
    MediaError playError(const QString& reason) const
    {
        return MediaError("cannot play media file " + nameForMessage() + ": " +
                          reason.toStdString());
    }
    MediaError rangeError(std::int64_t fromMs, std::int64_t toMs) const
    {
        return MediaError("cannot play media file " + nameForMessage() + " from " +
                          std::to_string(fromMs) + " to " + std::to_string(toMs) +
                          ": the range ends before it starts");
    }

    // Every call but open() and close() needs an open piece: throws the
    // not-open error (traced) without one.
    void requireOpen() const
    {
        if (isOpen())
            return;
        const MediaError error = notOpenError();
        traceError(error.what());
        throw error;
    }

    // The range playRange() plays in a piece of `lengthMs`: one that ends
    // before it starts is refused (traced, thrown); the ends are kept within
    // the piece, and the play is traced.
    std::pair<std::int64_t, std::int64_t> acceptedRange(std::int64_t fromMs, std::int64_t toMs,
                                                        std::int64_t lengthMs) const
    {
        if (toMs < fromMs) {
            const MediaError error = rangeError(fromMs, toMs);
            traceError(error.what());
            throw error;
        }
        fromMs = std::clamp<std::int64_t>(fromMs, 0, lengthMs);
        toMs = std::clamp<std::int64_t>(toMs, fromMs, lengthMs);
        tracePlay(fromMs, toMs);
        return {fromMs, toMs};
    }

    void traceOpen() const
    {
        if (trace::enabled())
            trace::line("media open " + fileName().toStdString());
    }
    void tracePlay(std::int64_t fromMs, std::int64_t toMs) const
    {
        if (trace::enabled())
            trace::line("media play " + fileName().toStdString() +
                        " from=" + std::to_string(fromMs) + " to=" + std::to_string(toMs));
    }
    void traceError(const std::string& text) const
    {
        if (trace::enabled())
            trace::line("media error " + fileName().toStdString() + " text=" + text);
    }

private:
    std::function<void(const QString&)> errorHandler_;
    std::function<void()> finishedHandler_;
};

} // namespace ovta
