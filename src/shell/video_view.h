// The picture of a playing video, drawn by us inside the display panel.
// The frames come from a video sink and are painted as plain images, so the
// video shows wherever the widgets themselves show: under X11, under Wayland
// compositors of every renderer, in a widget grab and at any display scale
// (enlarged pixel for pixel, as the screens' own pictures are).
#pragma once

#include <QImage>
#include <QWidget>

class QVideoFrame;

namespace ovta {

class VideoView : public QWidget {
    Q_OBJECT

public:
    // Fills `panel` and follows its size; clicks go through to the panel.
    explicit VideoView(QWidget* panel);

    // The frame shown now; a null image before the first frame and after
    // clear().
    const QImage& frame() const { return frame_; }

    void showFrame(const QVideoFrame& frame);
    void clear();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QImage frame_;
};

}  // namespace ovta
