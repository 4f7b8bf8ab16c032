// A private Wayland compositor (weston, headless, rendering in memory) for
// the end-to-end runs, with its own runtime folder and socket, and
// screenshots of what it composed.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/fixture_dir.h"
#include "support/x_session.h"

namespace ovta::test {

class WestonServer {
public:
    enum class Renderer { Pixman, Gl };

    // Starts weston on a 1024x768 output (or `size`, in the compositor's
    // units), with extra backend options (--scale=2); check running().
    explicit WestonServer(Renderer renderer, const std::string& size = "1024x768",
                          const std::vector<std::string>& options = {});
    ~WestonServer();
    WestonServer(const WestonServer&) = delete;
    WestonServer& operator=(const WestonServer&) = delete;

    bool running() const { return running_; }
    // What weston logged, for failure messages.
    std::string log() const;

    // The environment a client needs to reach this compositor.
    std::vector<std::string> clientEnv() const;

    // Saves what the output shows now as a PNG file; false when it failed.
    bool screenshot(const std::filesystem::path& file) const;

private:
    FixtureDir runtime_;
    std::string socket_;
    std::unique_ptr<Process> weston_;
    bool running_ = false;
};

// The pixels of a rectangle of a picture file, 8-bit RGB, row by row
// (read with ImageMagick's convert).
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;

    bool empty() const { return rgb.empty(); }
    // 0xRRGGBB at x, y.
    unsigned at(int x, int y) const
    {
        const std::size_t i = (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3;
        return unsigned(rgb[i]) << 16 | unsigned(rgb[i + 1]) << 8 | unsigned(rgb[i + 2]);
    }
};

// Empty when the file cannot be read or the rectangle leaves the picture.
Pixels readPixels(const std::filesystem::path& png, int x, int y, int width, int height);

}  // namespace ovta::test
