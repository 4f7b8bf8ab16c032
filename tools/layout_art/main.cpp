// ovta-art: paints the reader's layout pictures, content pictures and the
// frames of the intro video, the same way on every run.
//
//   ovta-art resources <out> [<hand-made>]   layout pictures and art.qrc
//   ovta-art content <demo> [<hand-made>]     data1/*.bmp of the content directory
//   ovta-art intro-frames <dir>               frame000.png ... of the intro video
//   ovta-art preview <dir>                    contact sheets to look at
#include "art_writer.h"
#include "catalogue.h"
#include "intro_art.h"
#include "preview.h"

#include <QDir>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: ovta-art resources <out> [<hand-made>]\n"
                         "       ovta-art content <demo-dir> [<hand-made>]\n"
                         "       ovta-art intro-frames <dir>\n"
                         "       ovta-art preview <dir>\n");
    return 2;
}

void writeIntroFrames(const QString& dir)
{
    // Stale frames of a longer cut would otherwise end up in the video.
    QDir(dir).removeRecursively();
    if (!QDir().mkpath(dir))
        throw std::runtime_error("cannot create " + dir.toStdString());
    for (int i = 0; i < ovta::art::kIntroFrameCount; ++i) {
        const QString path =
            QDir(dir).filePath(QStringLiteral("frame%1.png").arg(i, 3, 10, QChar('0')));
        if (!ovta::art::paintIntroFrame(i).save(path, "PNG"))
            throw std::runtime_error("cannot write " + path.toStdString());
    }
}

// Painting offscreen, Qt notes once per run that it has no runtime directory;
// the tool never needs one, and the note would only clutter the build log.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text.startsWith(QLatin1String("QStandardPaths:")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

} // namespace

int main(int argc, char** argv)
{
    // Painting text needs a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return usage();
    const QString& mode = args[0];
    const QString& out = args[1];
    const QString handMade = args.size() > 2 ? args[2] : QString();
    try {
        // Without the font, Qt would quietly set every caption in another face.
        if (QFontInfo(QFont(QStringLiteral("Amiri"))).family() != QLatin1String("Amiri"))
            throw std::runtime_error("the Amiri font is not installed (Debian: fonts-hosny-amiri)");
        if (mode == QLatin1String("resources")) {
            ovta::art::ArtWriter writer(out, handMade);
            ovta::art::writeResources(writer);
            writer.writeQrc(QStringLiteral("art.qrc"), QStringLiteral("/art"));
        } else if (mode == QLatin1String("content")) {
            ovta::art::ArtWriter writer(out, handMade);
            ovta::art::writeContentPictures(writer);
        } else if (mode == QLatin1String("intro-frames")) {
            writeIntroFrames(out);
        } else if (mode == QLatin1String("preview")) {
            ovta::art::writePreviews(out);
        } else {
            return usage();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "ovta-art: %s\n", e.what());
        return 1;
    }
    return 0;
}
