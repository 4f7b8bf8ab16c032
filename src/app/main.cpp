// ovta: reader for the encyclopaedia's own content files.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "store/content_dir.h"
#include "search/glyph_decoder.h"
#include "shell/application.h"
#include "shell/clipboard_text.h"
#include "shell/display_scale.h"
#include "shell/screen_registry.h"
#include "shell/stand_in.h"
#include "shell/library_messages.h"

namespace {

void printHelp()
{
    std::puts(
        "Usage: ovta [--scale N] [CONTENT-DIR]\n"
        "\n"
        "Reads the encyclopaedia from CONTENT-DIR (default: the working directory),\n"
        "which holds data\\, data1\\, glyf01.ttf and glyf01b.ttf as on the original disc.\n"
        "Names are matched case-insensitively, so a copied disc works as it is.\n"
        "\n"
        "Environment:\n"
        "  OVTA_TRACE=1   print one line per event (screens, media, errors) on stderr\n"
        "\n"
        "Options:\n"
        "  --scale N      enlarge everything N times (a whole number from 1 to 16);\n"
        "                 by default the largest factor at which the 640x480 screens\n"
        "                 fit the display with rows to spare (2 on 1920x1080 and\n"
        "                 2560x1440, 4 on 3840x2160)\n"
        "  -h, --help     print this help and end\n"
        "  --version      print the version and end\n"
        "\n"
        "Keys: arrows, Tab and Enter move between hot spots; Esc leaves a screen.\n"
        "In books, pages and lists the arrows also move the selection, Page Up, Page Down,\n"
        "Home and End page, and Ctrl+C copies the text shown as Unicode.\n"
        "Ctrl+F searches inside the texts of every article, book and list.");
}

bool envSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

// Qt's platform plugins need a display server; without one, Qt aborts with
// advice about reinstalling. Say what to do instead.
bool displayAvailable()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const std::string p = platform ? platform : "";
    // Platforms that draw without a display server (offscreen, vnc,
    // linuxfb, eglfs...) need nothing of ours.
    if (!p.empty() && p.rfind("xcb", 0) != 0 && p.rfind("wayland", 0) != 0)
        return true;
    return envSet("DISPLAY") || envSet("WAYLAND_DISPLAY");
}

// Run from the wrong folder, the reader would show an empty menu and a
// cascade of error boxes: name what is missing before anything is shown.
bool contentPresent(const std::filesystem::path& dir)
{
    const auto missing = ovta::ContentDir(dir).missingFolders();
    if (missing.empty())
        return true;
    std::string names;
    for (const auto& m : missing)
        names += (names.empty() ? "" : " and ") + m + "\\";
    std::fprintf(stderr,
                 "ovta: '%s' holds no encyclopaedia content: missing %s\n"
                 "Run the reader on a copy of the disc (the folder that holds data\\ and data1\\):\n"
                 "  ovta /path/to/disc\n"
                 "or on the demo content built with the sources:\n"
                 "  build/ovta build/demo\n",
                 dir.string().c_str(), names.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    const char* dir = nullptr;
    int scale = 0;
    for (int i = 1; i < argc; ++i) {
        const bool joined = std::strncmp(argv[i], "--scale=", 8) == 0;
        if (joined || std::strcmp(argv[i], "--scale") == 0) {
            const char* value = joined ? argv[i] + 8 : (i + 1 < argc ? argv[++i] : nullptr);
            const auto parsed = ovta::parseScale(value);
            if (!parsed) {
                std::fprintf(stderr, "ovta: --scale needs a whole number from 1 to %d, not '%s'\n",
                             ovta::kMaxScale, value ? value : "");
                return 2;
            }
            scale = *parsed;
            continue;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            printHelp();
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("ovta " OVTA_VERSION);
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
    const std::filesystem::path root = dir ? std::filesystem::path(dir) : std::filesystem::current_path();
    if (!contentPresent(root))
        return 2;
    ovta::ContentDir::setCurrent(root);
    if (!displayAvailable()) {
        std::fputs("ovta: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                   "Start the reader from a desktop session, or under a virtual display:\n"
                   "  xvfb-run -s '-screen 0 1024x768x24' ovta CONTENT-DIR\n",
                   stderr);
        return 2;
    }

    // Software drawing is all the 640x480 screens need, and it keeps the
    // resident size small.
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    // The GStreamer backend plays the content's WAV and AVI files reliably
    // without a sound device; the alternative backend does not.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
    ovta::captureLibraryMessages();
    ovta::prepareDisplayScale();
    QApplication app(argc, argv);
    ovta::applyDisplayScale(scale);
    Q_INIT_RESOURCE(art);
    // Kinds this version does not have open a stand-in that names them.
    ovta::setUnregisteredKindOpener([](const std::string& kind) { ovta::openStandIn(kind); });
    // Ctrl+C turns the glyph text a screen shows into Unicode.
    ovta::ClipboardText::setDecoder(&ovta::decodeGlyphTextUtf8);
    ovta::startUp();
    app.exec();
    ovta::shutDown();
    return 0;
}
