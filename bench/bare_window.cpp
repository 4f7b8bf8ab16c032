// The yardstick for the reader's start-up, memory and idle figures: a bare
// full-screen Qt window started the same way, saying on stderr when it is up.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication app(argc, argv);
    QWidget window;
    QPalette p = window.palette();
    p.setColor(QPalette::Window, Qt::black);
    window.setPalette(p);
    window.showFullScreen();
    QTimer::singleShot(0, [] {
        std::fputs("ovta: activate bare\n", stderr);
        std::fflush(stderr);
    });
    return app.exec();
}
