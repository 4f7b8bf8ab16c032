// Exporting and checking the demo content: the whole walk turned into
// Markdown in memory, the same written to disk by ovta-export, and the
// checker's run. Prints the median and worst of several runs.
#include <QCoreApplication>
#include <QImageReader>
#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

#include "store/content_dir.h"
#include "tools/check/content_check.h"
#include "tools/content/content_walk.h"
#include "tools/export/markdown.h"

using namespace ovta;
using namespace ovta::tools;
using Clock = std::chrono::steady_clock;

namespace {

void report(const char* what, const std::function<void()>& run, int times)
{
    std::vector<double> ms;
    for (int i = 0; i < times; ++i) {
        const auto start = Clock::now();
        run();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s median %8.1f ms   worst %8.1f ms   (%d runs)\n", what, ms[ms.size() / 2],
                ms.back(), times);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const ContentDir dir(OVTA_DEMO_DIR);
    std::size_t documents = 0;
    std::size_t bytes = 0;
    report("walk + Markdown in memory (demo content)", [&] {
        documents = bytes = 0;
        ContentWalk walk(dir);
        walk.run([&](Document&& doc) {
            ++documents;
            bytes += toMarkdown(doc).size();
        });
    }, 7);
    std::printf("%-44s %zu documents, %zu bytes of Markdown\n", "", documents, bytes);
    std::size_t faults = 0;
    report("checker (demo content)", [&] {
        faults = checkContent(dir, [](const std::filesystem::path& p, std::string&) {
                     return !QImageReader(QString::fromStdString(p.string())).read().isNull();
                 }).size();
    }, 7);
    std::printf("%-44s %zu faults\n", "", faults);
    return 0;
}
