// ovta-export CONTENT-DIR OUT-DIR: every article, book and list of a content
// directory as UTF-8 Markdown, one file each, with an index.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

#include "store/content_dir.h"
#include "tools/content/content_walk.h"
#include "tools/export/markdown.h"

namespace fs = std::filesystem;
using namespace ovta;
using namespace ovta::tools;

namespace {

int usage()
{
    std::cerr << "usage: ovta-export CONTENT-DIR OUT-DIR\n"
                 "Writes every article, book and list of the content as Markdown files\n"
                 "under OUT-DIR, with an index in OUT-DIR/index.md.\n";
    return 2;
}

bool writeFile(const fs::path& path, const std::string& bytes)
{
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return usage();
    const fs::path contentRoot = argv[1];
    const fs::path outRoot = argv[2];
    std::error_code ec;
    if (!fs::is_directory(contentRoot, ec)) {
        std::cerr << "ovta-export: " << contentRoot.string() << ": not a directory\n";
        return 2;
    }
    const ContentDir dir(contentRoot);
    if (const auto missing = dir.missingFolders(); !missing.empty()) {
        std::cerr << "ovta-export: " << contentRoot.string() << ": no folder \"" << missing.front()
                  << "\": not a content directory\n";
        return 2;
    }

    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    auto lastProgress = start;
    bool progressShown = false;
    // The progress line rewrites itself, so it is only for a terminal.
    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    int written = 0;
    bool failed = false;
    std::vector<IndexEntry> index;

    ContentWalk walk(dir);
    walk.run([&](Document&& doc) {
        if (!writeFile(outRoot / doc.path, toMarkdown(doc))) {
            std::cerr << "ovta-export: cannot write " << (outRoot / doc.path).string() << "\n";
            failed = true;
            return;
        }
        ++written;
        index.push_back({doc.path, doc.section, documentTitle(doc)});
        const auto now = Clock::now();
        if (terminal && now - lastProgress > std::chrono::milliseconds(250)) {
            lastProgress = now;
            progressShown = true;
            std::cerr << "\rovta-export: " << written << " files written" << std::flush;
        }
    });
    if (progressShown)
        std::cerr << "\n";
    if (!writeFile(outRoot / "index.md", indexMarkdown(index))) {
        std::cerr << "ovta-export: cannot write " << (outRoot / "index.md").string() << "\n";
        return 1;
    }
    for (const WalkFault& f : walk.faults())
        std::cerr << "ovta-export: warning: " << f.message << "\n";
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    std::cerr << "ovta-export: " << written << " files and index.md written in " << ms << " ms";
    if (!walk.faults().empty())
        std::cerr << "; content faults: " << walk.faults().size() << " (ovta-check tells more)";
    std::cerr << "\n";
    return failed ? 1 : 0;
}
