// ovta-demo: writes the demo text content and the music loop into the content
// directory named on its command line.
#include <exception>
#include <filesystem>
#include <iostream>

#include "demo/demo_content.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: ovta-demo <content directory>\n";
        return 2;
    }
    try {
        const std::filesystem::path root(argv[1]);
        for (const auto& file : ovta::demo::buildDemoText())
            ovta::demo::writeContentFile(root, file);
    } catch (const std::exception& e) {
        std::cerr << "ovta-demo: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
