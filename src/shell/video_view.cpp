#include "shell/video_view.h"

#include <QEvent>
#include <QPainter>
#include <QVideoFrame>

namespace ovta {

VideoView::VideoView(QWidget* panel) : QWidget(panel)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(panel->rect());
    panel->installEventFilter(this);
}

void VideoView::showFrame(const QVideoFrame& frame)
{
    // An empty frame (the end of a stream, a stop) keeps the last picture:
    // the video stays still on its last frame as it ends.
    if (!frame.isValid())
        return;
    QImage image = frame.toImage();
    if (image.isNull())
        return;
    frame_ = std::move(image);
    update();
}

void VideoView::clear()
{
    frame_ = QImage();
    update();
}

void VideoView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (frame_.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    // No smoothing: a display scale enlarges the video pixel for pixel,
    // as it does every other picture of the screens.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), frame_);
}

bool VideoView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == parentWidget())
        setGeometry(parentWidget()->rect());
    return false;
}

}  // namespace ovta
