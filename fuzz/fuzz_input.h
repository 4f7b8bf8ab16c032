// What every content fuzzer shares: the layout of an input, a byte stream of
// operations, and a private content directory that the readers load from.
//
// An input is one variant byte, then parts separated by kPartSeparator. The
// target gives the first parts to its readers as content files (or lists) and
// reads the part after them as its stream of operations. A part the input
// does not reach stands for a file that is missing, so the readers' refusals
// get fuzzed too. The seed maker (fuzz_seeds.cpp) writes inputs of this
// shape from the demo content.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

#include "store/content_dir.h"

namespace ovta::fuzz {

inline constexpr std::string_view kPartSeparator = "#~#~";

// A failed check: say which, and abort so that libFuzzer keeps the input.
inline void checkAt(bool ok, const char* what, int line)
{
    if (ok)
        return;
    std::fprintf(stderr, "fuzz check failed at line %d: %s\n", line, what);
    std::abort();
}
#define FUZZ_CHECK(x) ::ovta::fuzz::checkAt(static_cast<bool>(x), #x, __LINE__)

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size)
    {
        if (size == 0)
            return;
        variant_ = data[0];
        const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
        std::size_t from = 0;
        for (;;) {
            const std::size_t at = rest.find(kPartSeparator, from);
            if (at == std::string_view::npos) {
                parts_.push_back(rest.substr(from));
                break;
            }
            parts_.push_back(rest.substr(from, at - from));
            from = at + kPartSeparator.size();
        }
    }

    std::uint8_t variant() const { return variant_; }
    std::size_t partCount() const { return parts_.size(); }
    bool has(std::size_t i) const { return i < parts_.size(); }
    std::string_view part(std::size_t i) const { return has(i) ? parts_[i] : std::string_view(); }

private:
    std::uint8_t variant_ = 0;
    std::vector<std::string_view> parts_;
};

// The operations part: bytes read one by one, then zeros once it is used up.
class Ops {
public:
    explicit Ops(std::string_view bytes) : bytes_(bytes) {}

    bool empty() const { return at_ >= bytes_.size(); }
    std::uint8_t byte() { return at_ < bytes_.size() ? static_cast<std::uint8_t>(bytes_[at_++]) : 0; }

    // A number of any size, mostly small ones: the content's own numbers
    // are small, the interesting faults sit at the extremes.
    std::int64_t number()
    {
        switch (byte() % 8) {
        case 0: return raw<std::int64_t>();
        case 1: return raw<std::int32_t>();
        case 2: return static_cast<std::int8_t>(byte());
        default: return raw<std::int16_t>();
        }
    }
    int small(int below) { return below <= 0 ? 0 : byte() % below; }
    std::string text(std::size_t most)
    {
        const std::size_t n = std::min<std::size_t>(byte() % (most + 1), bytes_.size() - std::min(at_, bytes_.size()));
        std::string out(bytes_.substr(std::min(at_, bytes_.size()), n));
        at_ += n;
        return out;
    }

private:
    template <typename T>
    T raw()
    {
        std::uint8_t b[sizeof(T)];
        for (auto& x : b)
            x = byte();
        T v;
        std::memcpy(&v, b, sizeof v);
        return v;
    }

    std::string_view bytes_;
    std::size_t at_ = 0;
};

// A content directory of this process's own, made once, with the "data" and
// "data1" folders every copy of the content holds. Files are written in
// place on every run, so no run creates a directory. libFuzzer ends a run
// without running destructors, so the folder is named after the process and
// each target removes the folders of processes that have ended.
class ScratchDir {
public:
    static ScratchDir& get()
    {
        static ScratchDir dir;
        return dir;
    }

    const ContentDir& dir() const { return dir_; }

    // Writes content file `name` ("data\\kenor02") with `bytes`.
    void put(std::string_view name, std::string_view bytes)
    {
        const std::string path = pathOf(name);
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        FUZZ_CHECK(fd >= 0);
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
            FUZZ_CHECK(n > 0);
            done += static_cast<std::size_t>(n);
        }
        ::close(fd);
    }

    void remove(std::string_view name) { ::unlink(pathOf(name).c_str()); }

    // Part `i` of the input as file `name`, or no such file when the input
    // has no part `i`.
    void putPart(const Input& in, std::size_t i, std::string_view name)
    {
        if (in.has(i))
            put(name, in.part(i));
        else
            remove(name);
    }

private:
    static constexpr std::string_view kPrefix = "ovta-fuzz-";

    ScratchDir() : root_(makeRoot()), dir_(root_) {}

    static std::filesystem::path base()
    {
        // Memory-backed when the machine has it: the targets write files on
        // every run.
        return ::access("/dev/shm", W_OK) == 0 ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
    }

    static void removeEnded(const std::filesystem::path& from)
    {
        std::error_code ec;
        for (std::filesystem::directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (name.rfind(kPrefix, 0) != 0)
                continue;
            const long pid = std::strtol(name.c_str() + kPrefix.size(), nullptr, 10);
            if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
                std::error_code ignored;
                std::filesystem::remove_all(it->path(), ignored);
            }
        }
    }

    static std::filesystem::path makeRoot()
    {
        const auto from = base();
        removeEnded(from);
        const auto root = from / (std::string(kPrefix) + std::to_string(::getpid()));
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
        std::filesystem::create_directories(root / "data");
        std::filesystem::create_directories(root / "data1");
        return root;
    }

    std::string pathOf(std::string_view name) const
    {
        std::string relative(name);
        for (char& c : relative)
            if (c == '\\')
                c = '/';
        return (root_ / relative).string();
    }

    std::filesystem::path root_;
    ContentDir dir_;
};

} // namespace ovta::fuzz
