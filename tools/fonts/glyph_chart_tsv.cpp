// ovta-glyph-chart: prints the glyph chart as tab-separated rows, one per
// entry, so that the font builder draws exactly the bytes the encoder writes.
// Usage: ovta-glyph-chart [output.tsv]   (standard output without a file)
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "search/glyph_chart.h"

namespace {

std::string hex(unsigned value, int digits)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*X", digits, value);
    return buf;
}

void writeChart(std::ostream& out)
{
    out << "byte\tletter\talef\tform\tposition\tdrawn\tjoining\tnote\n";
    for (const auto& e : ovta::glyphChart()) {
        out << hex(e.byte, 2) << '\t' << hex(e.letter, 4) << '\t'
            << (e.alef != 0 ? hex(e.alef, 4) : std::string()) << '\t' << ovta::formName(e.form)
            << '\t' << int(e.position) << '\t' << (e.drawn ? 1 : 0) << '\t'
            << ovta::joiningName(e.alef != 0 ? ovta::Joining::Right : ovta::joiningOf(e.letter))
            << '\t' << e.note << '\n';
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 2) {
        std::cerr << "usage: ovta-glyph-chart [output.tsv]\n";
        return 2;
    }
    if (argc == 1) {
        writeChart(std::cout);
        return std::cout ? 0 : 1;
    }
    std::ofstream file(argv[1], std::ios::binary);
    writeChart(file);
    file.close();
    if (!file) {
        std::cerr << "ovta-glyph-chart: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
