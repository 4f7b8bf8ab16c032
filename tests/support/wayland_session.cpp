#include "support/wayland_session.h"

#include <chrono>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace ovta::test {
namespace {

using namespace std::chrono_literals;

int sessionNumber()
{
    static int n = 0;
    return ++n;
}

}  // namespace

WestonServer::WestonServer(Renderer renderer, const std::string& size,
                           const std::vector<std::string>& options)
{
    if (!haveProgram("weston"))
        return;
    std::filesystem::permissions(runtime_.path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace);
    socket_ = "ovta-test-" + std::to_string(getpid()) + "-" + std::to_string(sessionNumber());
    const auto x = size.find('x');
    // --debug lets a client take screenshots; without a renderer option
    // the headless output would compose nothing.
    std::vector<std::string> argv{"weston", "--backend=headless-backend.so",
                                  renderer == Renderer::Gl ? "--use-gl" : "--use-pixman",
                                  "--socket=" + socket_, "--width=" + size.substr(0, x),
                                  "--height=" + size.substr(x + 1), "--idle-time=0",
                                  "--no-config", "--debug",
                                  "--log=" + (runtime_.path() / "weston.log").string()};
    argv.insert(argv.end(), options.begin(), options.end());
    weston_ = std::make_unique<Process>(
        argv, std::vector<std::string>{"XDG_RUNTIME_DIR=" + runtime_.path().string(),
                                       "WAYLAND_DISPLAY", "DISPLAY"});
    // The compositor listens once its socket is there and the shell is
    // loaded (the log says so).
    for (int i = 0; i < 100 && !running_; ++i) {
        running_ = std::filesystem::exists(runtime_.path() / socket_) &&
                   log().find("Loading module") != std::string::npos &&
                   log().find("desktop-shell") != std::string::npos;
        if (!running_)
            std::this_thread::sleep_for(100ms);
    }
    if (running_)
        std::this_thread::sleep_for(300ms);
}

WestonServer::~WestonServer() { weston_.reset(); }

std::string WestonServer::log() const
{
    std::ifstream in(runtime_.path() / "weston.log");
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> WestonServer::clientEnv() const
{
    return {"XDG_RUNTIME_DIR=" + runtime_.path().string(), "WAYLAND_DISPLAY=" + socket_,
            "QT_QPA_PLATFORM=wayland", "DISPLAY"};
}

bool WestonServer::screenshot(const std::filesystem::path& file) const
{
    // The screenshooter writes a file named after the time into its
    // working folder: give it an empty one.
    FixtureDir out;
    auto env = clientEnv();
    Process shooter({"sh", "-c", "cd '" + out.path().string() + "' && exec weston-screenshooter"},
                    env);
    const auto code = shooter.wait(10s);
    if (!code || *code != 0)
        return false;
    for (const auto& entry : std::filesystem::directory_iterator(out.path())) {
        if (entry.path().extension() != ".png")
            continue;
        std::filesystem::create_directories(file.parent_path());
        std::filesystem::copy_file(entry.path(), file,
                                   std::filesystem::copy_options::overwrite_existing);
        return true;
    }
    return false;
}

Pixels readPixels(const std::filesystem::path& png, int x, int y, int width, int height)
{
    FixtureDir scratch;
    const auto raw = scratch.path() / "pixels.rgb";
    std::ostringstream crop;
    crop << width << "x" << height << "+" << x << "+" << y;
    Process convert({"convert", png.string(), "-crop", crop.str(), "+repage", "-depth", "8",
                     "rgb:" + raw.string()},
                    {});
    const auto code = convert.wait(30s);
    Pixels pixels;
    if (!code || *code != 0)
        return pixels;
    std::ifstream in(raw, std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), {});
    if (bytes.size() != std::size_t(width) * std::size_t(height) * 3)
        return pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.rgb = std::move(bytes);
    return pixels;
}

}  // namespace ovta::test
