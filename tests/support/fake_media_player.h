// A media player for tests: files are a script (name -> length, or a file
// that does not open, or one that fails part way through), time moves only
// when the test calls advance(), and every call is written to a log the
// test can compare. It needs no event loop and no media backend.
#pragma once

#include "shell/media_player.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <map>
#include <optional>

namespace ovta {

class FakeMediaPlayer : public MediaPlayer {
public:
    // A playable file of the given length.
    void addFile(const QString& contentName, std::int64_t lengthMs);
    // A file that exists but does not open (a damaged or foreign file).
    void addUnplayable(const QString& contentName, const QString& reason = "not a media file");
    // A file that opens but fails when playback reaches failAtMs.
    void addFailing(const QString& contentName, std::int64_t lengthMs, std::int64_t failAtMs,
                    const QString& reason = "decoding error");

    // Moves the position by ms while playing; playback stops at the end of
    // the piece or of the range, and the finished handler is called at once
    // (advancing stands for the event loop). Does nothing while not playing.
    void advance(std::int64_t ms);

    // "open data1\kenor.wav", "play", "playRange 1000 2000", "pause", "resume",
    // "setPosition 0", "close", "setDisplay p1" (the panel's object name,
    // "widget" when it has none) or "setDisplay none". Queries are not
    // logged; a call is logged before it throws.
    const QStringList& log() const { return log_; }
    void clearLog() { log_.clear(); }
    QWidget* display() const { return display_; }

    void setFileName(const QString& contentName) override { fileName_ = contentName; }
    QString fileName() const override { return fileName_; }
    void open() override;
    void close() override;
    bool isOpen() const override { return current_.has_value(); }
    void play() override;
    void playRange(std::int64_t fromMs, std::int64_t toMs) override;
    void pause() override;
    void resume() override;
    std::int64_t position() const override;
    std::int64_t length() const override;
    void setPosition(std::int64_t ms) override;
    bool playing() const override;
    void setDisplay(QWidget* panel) override;

private:
    struct Script {
        std::int64_t lengthMs = 0;
        bool opens = true;
        std::int64_t failAtMs = -1;
        QString reason;
    };

    void endPiece();

    std::map<QString, Script> files_;
    QString fileName_;
    std::optional<Script> current_;
    std::int64_t position_ = 0;
    std::int64_t rangeEnd_ = -1;
    bool playing_ = false;
    bool ended_ = false;
    QStringList log_;
    QPointer<QWidget> display_;
};

} // namespace ovta
