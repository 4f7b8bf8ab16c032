// The player screens get from createMediaPlayer(): it keeps the file name
// and display until the first open(), and only then asks for the real
// player. The real player lives in a module loaded at that first need, so
// starting the reader never pays for the media back-end.
//
// The real player is made for what it has to do: with a display set at
// that first open(), one that shows pictures; without, one for sound alone.
// A display set later to a player made for sound replaces it by one that
// shows pictures, on the same piece at the same place. The error and
// finished handlers set on this player hear from whichever real player is
// current.
//
// When the real player cannot be had (the module is missing or broken),
// open() throws MediaError naming the file and the reason, the way a
// missing media file fails; every other call acts as on a closed player.
// Only the first such failure in the process is reported: later ones throw
// MediaUnavailable, which stops the handler without a second report.
#pragma once

#include "shell/media_player.h"

#include <QPointer>
#include <functional>
#include <memory>

namespace ovta {

class LazyMediaPlayer : public MediaPlayer {
public:
    // `make` returns the real player (one that shows pictures when
    // `withDisplay`), or throws MediaError with the reason it cannot.
    using Maker = std::function<std::unique_ptr<MediaPlayer>(bool withDisplay)>;
    explicit LazyMediaPlayer(Maker make);
    ~LazyMediaPlayer() override;

    void setFileName(const QString& contentName) override;
    QString fileName() const override;
    void open() override;
    void close() override;
    bool isOpen() const override;
    void play() override;
    void playRange(std::int64_t fromMs, std::int64_t toMs) override;
    void pause() override;
    void resume() override;
    std::int64_t position() const override;
    std::int64_t length() const override;
    void setPosition(std::int64_t ms) override;
    bool playing() const override;
    void setDisplay(QWidget* panel) override;

    // Tests: the next failure to get the real player is reported again.
    static void forgetReportedFailure();

    // The real player once made (nullptr before the first open()).
    MediaPlayer* real() const { return real_.get(); }

private:
    MediaPlayer& openOne() const;
    void makeReal();
    void remakeForDisplay();
    [[noreturn]] void failUnavailable(const QString& reason) const;

    Maker make_;
    std::unique_ptr<MediaPlayer> real_;
    bool realShowsPictures_ = false;
    QString fileName_;
    QPointer<QWidget> display_;
};

}  // namespace ovta
