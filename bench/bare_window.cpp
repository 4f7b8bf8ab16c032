// The yardstick for the reader's start-up, memory and idle figures: a bare
// full-screen Qt window started the same way, saying on stderr when it is
// first painted.
#include <QApplication>
#include <QPainter>
#include <QWidget>
#include <cstdio>

namespace {

class BareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).fillRect(rect(), Qt::black);
        if (painted_)
            return;
        painted_ = true;
        std::fputs("ovta: paint bare\n", stderr);
        std::fflush(stderr);
    }

private:
    bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication app(argc, argv);
    BareWindow window;
    window.showFullScreen();
    return app.exec();
}
