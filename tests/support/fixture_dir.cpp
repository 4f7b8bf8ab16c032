#include "support/fixture_dir.h"

#include <atomic>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace ovta::test {

FixtureDir::FixtureDir()
{
    static std::atomic<int> serial{0};
    path_ = std::filesystem::temp_directory_path() /
            ("ovta-test-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

FixtureDir::~FixtureDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path FixtureDir::write(std::string_view contentName, std::string_view bytes) const
{
    std::string relative(contentName);
    for (char& c : relative)
        if (c == '\\')
            c = '/';
    const auto file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write fixture " + file.string());
    return file;
}

}  // namespace ovta::test
