// The media player every screen uses for sound and video. Positions and
// lengths are milliseconds; at the end of the piece position() == length().
// A Qt implementation plays through the platform's backend; a scripted fake
// lets tests drive time by hand.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

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
    // Throw MediaError when the player is not open.
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
    void onError(std::function<void(const QString&)> handler) { errorHandler_ = std::move(handler); }

protected:
    void reportError(const QString& text)
    {
        if (errorHandler_)
            errorHandler_(text);
    }

private:
    std::function<void(const QString&)> errorHandler_;
};

}  // namespace ovta
