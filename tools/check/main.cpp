// ovta-check [--json] CONTENT-DIR: checks a content directory against the
// record layouts the reader reads and prints each fault with its file,
// record and field. Exit status 0 when clean, 1 with faults, 2 on misuse.
#include <QCoreApplication>
#include <QImageReader>
#include <QString>

#include <filesystem>
#include <iostream>
#include <string>

#include "store/content_dir.h"
#include "tools/check/content_check.h"

namespace fs = std::filesystem;
using namespace ovta;
using namespace ovta::tools;

namespace {

int usage()
{
    std::cerr << "usage: ovta-check [--json] CONTENT-DIR\n"
                 "Prints every fault of the content with its file, record and field;\n"
                 "exit status 0 when clean, 1 with faults.\n";
    return 2;
}

bool decodable(const fs::path& path, std::string& why)
{
    QImageReader reader(QString::fromStdString(path.string()));
    if (reader.read().isNull()) {
        why = reader.errorString().toStdString();
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // image format plugins need it
    bool json = false;
    std::string root;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--json")
            json = true;
        else if (arg == "-h" || arg == "--help")
            return usage(), 0;
        else if (!arg.empty() && arg[0] == '-')
            return usage();
        else if (root.empty())
            root = arg;
        else
            return usage();
    }
    if (root.empty())
        return usage();
    std::error_code ec;
    if (!fs::is_directory(root, ec)) {
        std::cerr << "ovta-check: " << root << ": not a directory\n";
        return 2;
    }
    const ContentDir dir(root);
    const auto faults = checkContent(dir, decodable);
    if (json) {
        std::cout << faultsJson(faults);
    } else {
        for (const CheckFault& f : faults)
            std::cout << faultLine(f) << "\n";
        std::cerr << "ovta-check: " << (faults.empty() ? "clean" : std::to_string(faults.size()) + " faults")
                  << "\n";
    }
    return faults.empty() ? 0 : 1;
}
