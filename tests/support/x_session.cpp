#include "support/x_session.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <thread>
#include <unistd.h>

namespace ovta::test {
namespace {

using Clock = std::chrono::steady_clock;

std::vector<char*> cstrings(const std::vector<std::string>& items)
{
    std::vector<char*> out;
    for (const auto& s : items)
        out.push_back(const_cast<char*>(s.c_str()));
    out.push_back(nullptr);
    return out;
}

pid_t spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env,
            int stdoutFd, int stderrFd)
{
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    setpgid(0, 0);
    const int devnull = open("/dev/null", O_RDWR);
    dup2(devnull, 0);
    dup2(stdoutFd >= 0 ? stdoutFd : devnull, 1);
    dup2(stderrFd >= 0 ? stderrFd : devnull, 2);
    // "NAME=value" sets a variable, a bare "NAME" removes it.
    for (const auto& e : env) {
        if (e.find('=') == std::string::npos)
            unsetenv(e.c_str());
        else
            putenv(const_cast<char*>(e.c_str()));
    }
    auto args = cstrings(argv);
    execvp(args[0], args.data());
    _exit(127);
}

void stop(pid_t pid)
{
    if (pid <= 0)
        return;
    ::kill(-pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ::kill(-pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

}  // namespace

bool haveProgram(const std::string& name)
{
    const std::string command = "command -v " + name + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

XServer::XServer(const std::string& screen)
{
    int fds[2];
    if (pipe(fds) != 0)
        return;
    pid_ = spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", screen,
                  "-nolisten", "tcp", "-noreset"},
                 {}, -1, -1);
    close(fds[1]);
    // Xvfb writes its display number once it accepts clients.
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (Clock::now() < deadline) {
        if (poll(&p, 1, 100) <= 0)
            continue;
        char c;
        const ssize_t n = read(fds[0], &c, 1);
        if (n <= 0 || c == '\n')
            break;
        number += c;
    }
    close(fds[0]);
    if (!number.empty())
        display_ = ":" + number;
}

XServer::~XServer() { stop(pid_); }

int XServer::run(const std::vector<std::string>& argv) const
{
    const pid_t pid = spawn(argv, {"DISPLAY=" + display_}, -1, -1);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::pair<int, int> XServer::pointerAt() const
{
    using namespace std::chrono_literals;
    Process query({"sh", "-c", "xdotool getmouselocation --shell 1>&2"}, {"DISPLAY=" + display_});
    int px = -1, py = -1;
    while (auto line = query.readLine(5s)) {
        if (line->rfind("X=", 0) == 0)
            px = std::stoi(line->substr(2));
        if (line->rfind("Y=", 0) == 0)
            py = std::stoi(line->substr(2));
    }
    return {px, py};
}

std::pair<int, int> XServer::pointerSettlesAt(std::pair<int, int> expected) const
{
    std::pair<int, int> at;
    for (int i = 0; i < 50; ++i) {
        at = pointerAt();
        if (at == expected)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return at;
}

Process::Process(const std::vector<std::string>& argv, const std::vector<std::string>& env)
{
    int fds[2];
    if (pipe(fds) != 0)
        return;
    pid_ = spawn(argv, env, -1, fds[1]);
    close(fds[1]);
    stderrFd_ = fds[0];
}

Process::~Process()
{
    kill();
    if (stderrFd_ >= 0)
        close(stderrFd_);
}

std::optional<std::string> Process::readLine(std::chrono::milliseconds timeout)
{
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        const auto nl = buffer_.find('\n');
        if (nl != std::string::npos) {
            std::string line = buffer_.substr(0, nl);
            buffer_.erase(0, nl + 1);
            lines_.push_back(line);
            return line;
        }
        if (stderrFd_ < 0)
            return std::nullopt;
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() < 0)
            left = std::chrono::milliseconds(0);
        pollfd p{stderrFd_, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left.count())) <= 0) {
            if (Clock::now() >= deadline)
                return std::nullopt;
            continue;
        }
        char chunk[4096];
        const ssize_t n = read(stderrFd_, chunk, sizeof chunk);
        if (n <= 0) {
            close(stderrFd_);
            stderrFd_ = -1;
            continue;
        }
        buffer_.append(chunk, static_cast<std::size_t>(n));
    }
}

bool Process::waitForLine(const std::string& prefix, std::chrono::milliseconds timeout)
{
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        auto line = readLine(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()));
        if (!line)
            return false;
        if (line->rfind(prefix, 0) == 0)
            return true;
    }
    return false;
}

std::optional<int> Process::wait(std::chrono::milliseconds timeout)
{
    if (exited_)
        return status_;
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            exited_ = true;
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            // Keep what it printed last.
            while (readLine(std::chrono::milliseconds(0))) {
            }
            return status_;
        }
        // Drain stderr so the program never blocks on a full pipe.
        readLine(std::chrono::milliseconds(20));
    }
    return std::nullopt;
}

void Process::kill()
{
    if (!exited_ && pid_ > 0) {
        stop(pid_);
        exited_ = true;
    }
}

long Process::residentKiB() const
{
    std::ifstream in("/proc/" + std::to_string(pid_) + "/status");
    std::string key;
    long value = 0;
    while (in >> key) {
        if (key == "VmRSS:") {
            in >> value;
            return value;
        }
        in.ignore(4096, '\n');
    }
    return -1;
}

long Process::cpuMs() const
{
    std::ifstream in("/proc/" + std::to_string(pid_) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; fields >> field; ++i) {
        if (i == 14)
            utime = std::atol(field.c_str());
        if (i == 15) {
            stime = std::atol(field.c_str());
            break;
        }
    }
    return (utime + stime) * 1000 / sysconf(_SC_CLK_TCK);
}

}  // namespace ovta::test
