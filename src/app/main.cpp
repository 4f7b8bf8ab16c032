// ovta: reader for the encyclopaedia's own content files.
#include <QApplication>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "store/content_dir.h"
#include "shell/application.h"
#include "shell/screen_registry.h"
#include "shell/stand_in.h"

namespace {

void printHelp()
{
    std::puts(
        "Usage: ovta [CONTENT-DIR]\n"
        "\n"
        "Reads the encyclopaedia from CONTENT-DIR (default: the working directory),\n"
        "which holds data\\, data1\\, glyf01.ttf and glyf01b.ttf as on the original disc.\n"
        "Names are matched case-insensitively, so a copied disc works as it is.\n"
        "\n"
        "Environment:\n"
        "  OVTA_TRACE=1   print one line per event (screens, media, errors) on stderr\n"
        "\n"
        "Keys: arrows, Tab and Enter move between hot spots; Esc leaves a screen.");
}

}  // namespace

int main(int argc, char** argv)
{
    const char* dir = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            printHelp();
            return 0;
        }
        if (dir || argv[i][0] == '-') {
            std::fprintf(stderr, "ovta: unexpected argument '%s' (try --help)\n", argv[i]);
            return 2;
        }
        dir = argv[i];
    }
    if (dir) {
        std::error_code ec;
        if (!std::filesystem::is_directory(dir, ec)) {
            std::fprintf(stderr, "ovta: '%s' is not a directory\n", dir);
            return 2;
        }
    }
    ovta::ContentDir::setCurrent(dir ? std::filesystem::path(dir) : std::filesystem::current_path());

    // Software drawing is all the 640x480 screens need, and it keeps the
    // resident size small.
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    // The GStreamer backend plays the content's WAV and AVI files reliably
    // without a sound device; the alternative backend does not.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(art);
    // Kinds this version does not have open a stand-in that names them.
    ovta::setUnregisteredKindOpener([](const std::string& kind) { ovta::openStandIn(kind); });
    ovta::startUp();
    app.exec();
    ovta::shutDown();
    return 0;
}
