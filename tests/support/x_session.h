// A private X display (Xvfb) and a program running on it whose stderr is
// read line by line: how the end-to-end tests and the benchmarks drive the
// real reader. POSIX only; no toolkit.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace ovta::test {

class XServer {
public:
    // Starts Xvfb on a free display number; check running().
    explicit XServer(const std::string& screen = "1024x768x24");
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    bool running() const { return pid_ > 0 && !display_.empty(); }
    const std::string& display() const { return display_; }

    // Runs a command on this display (xdotool, import); returns its exit code.
    int run(const std::vector<std::string>& argv) const;

    // Where the server has the pointer now ({-1, -1} when xdotool fails).
    std::pair<int, int> pointerAt() const;
    // The pointer lands once the program has read its input: asks until it
    // is at `expected` or a generous while has passed; returns where it is.
    std::pair<int, int> pointerSettlesAt(std::pair<int, int> expected) const;

private:
    pid_t pid_ = -1;
    std::string display_;
};

class Process {
public:
    // Starts argv with the extra environment entries ("NAME=value" sets,
    // a bare "NAME" removes); its stderr is captured, its stdout discarded.
    Process(const std::vector<std::string>& argv, const std::vector<std::string>& env);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    pid_t pid() const { return pid_; }

    // The next stderr line, or nothing when the timeout passed or the
    // stream ended.
    std::optional<std::string> readLine(std::chrono::milliseconds timeout);
    // Reads lines until one starts with `prefix`; every line read is kept.
    bool waitForLine(const std::string& prefix, std::chrono::milliseconds timeout);
    const std::vector<std::string>& lines() const { return lines_; }

    // Waits for the exit; nothing when it is still running after the timeout.
    std::optional<int> wait(std::chrono::milliseconds timeout);
    void kill();

    // From /proc: resident set size in KiB, and CPU time (user + system) in ms.
    long residentKiB() const;
    long cpuMs() const;

private:
    pid_t pid_ = -1;
    int stderrFd_ = -1;
    std::string buffer_;
    std::vector<std::string> lines_;
    bool exited_ = false;
    int status_ = 0;
};

// True when the programs the end-to-end runs need are installed.
bool haveProgram(const std::string& name);

}  // namespace ovta::test
