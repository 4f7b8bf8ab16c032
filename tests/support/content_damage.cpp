#include "support/content_damage.h"

#include <cctype>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "support/fifo_stand_in.h"

namespace ovta::test {
namespace {

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Rewrites each run of decimal digits in place, keeping its width, so
// fixed-width fields stay where their readers look for them.
std::size_t rewriteNumbers(std::string& bytes, Damage damage)
{
    std::size_t digits = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        if (!isDigit(bytes[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < bytes.size() && isDigit(bytes[end]))
            ++end;
        for (std::size_t k = i; k < end; ++k) {
            if (damage == Damage::HugeLaterFields) {
                // Side-by-side 8-digit fields: every second one; a shorter
                // run: its second half.
                const bool later = end - i >= 16 ? (k - i) / 8 % 2 == 1 : k >= i + (end - i) / 2;
                if (later)
                    bytes[k] = '9';
            } else if (damage == Damage::HugeFields)
                bytes[k] = '9';
            else if (damage == Damage::NegativeFields)
                bytes[k] = k == i ? '-' : '9';
            else
                bytes[k] = static_cast<char>('a' + (k - i) % 26);
        }
        digits += end - i;
        i = end;
    }
    return digits;
}

// The first words of a binary record: counts, offsets and lengths.
void rewriteWords(std::string& bytes, Damage damage)
{
    const unsigned char huge[4] = {0xFF, 0xFF, 0xFF, 0x7F};
    const unsigned char negative[4] = {0x00, 0x00, 0x00, 0x80};
    const unsigned char text[4] = {'x', 'y', 'z', 'w'};
    const bool later = damage == Damage::HugeLaterFields;
    const unsigned char* word = damage == Damage::HugeFields || later ? huge
                                : damage == Damage::NegativeFields    ? negative
                                                                      : text;
    const std::size_t end = std::min<std::size_t>(bytes.size() & ~std::size_t{3}, 64);
    for (std::size_t at = later ? 4 : 0; at < end; at += later ? 8 : 4)
        for (int k = 0; k < 4; ++k)
            bytes[at + static_cast<std::size_t>(k)] = static_cast<char>(word[k]);
}

} // namespace

const char* damageName(Damage damage)
{
    switch (damage) {
    case Damage::Missing: return "missing";
    case Damage::Empty: return "empty";
    case Damage::CutToOneByte: return "cut-to-one-byte";
    case Damage::CutInHalf: return "cut-in-half";
    case Damage::CutLastByte: return "cut-last-byte";
    case Damage::RandomBytes: return "random-bytes";
    case Damage::HugeFields: return "huge-fields";
    case Damage::HugeLaterFields: return "huge-later-fields";
    case Damage::NegativeFields: return "negative-fields";
    case Damage::NonNumericFields: return "non-numeric-fields";
    case Damage::Directory: return "directory";
    case Damage::Fifo: return "fifo";
    }
    return "?";
}

const std::vector<Damage>& allDamages()
{
    static const std::vector<Damage> all = {
        Damage::Missing,          Damage::Empty,           Damage::CutToOneByte,
        Damage::CutInHalf,        Damage::CutLastByte,     Damage::RandomBytes,
        Damage::HugeFields,       Damage::HugeLaterFields, Damage::NegativeFields,
        Damage::NonNumericFields, Damage::Directory,       Damage::Fifo,
    };
    return all;
}

std::string damagedBytes(const std::string& bytes, Damage damage)
{
    switch (damage) {
    case Damage::Empty: return {};
    case Damage::CutToOneByte: return bytes.substr(0, 1);
    case Damage::CutInHalf: return bytes.substr(0, bytes.size() / 2);
    case Damage::CutLastByte: return bytes.substr(0, bytes.empty() ? 0 : bytes.size() - 1);
    case Damage::RandomBytes: {
        // Seeded by the size, so a failure repeats.
        std::mt19937 random(static_cast<unsigned>(bytes.size()));
        std::string out(bytes.size(), '\0');
        for (char& c : out)
            c = static_cast<char>(random() & 0xFF);
        return out;
    }
    case Damage::HugeFields:
    case Damage::HugeLaterFields:
    case Damage::NegativeFields:
    case Damage::NonNumericFields: {
        std::string out = bytes;
        // Mostly something else than digits: a binary record.
        if (rewriteNumbers(out, damage) * 4 < out.size())
            rewriteWords(out, damage);
        return out;
    }
    case Damage::Missing:
    case Damage::Directory:
    case Damage::Fifo: return {};
    }
    return bytes;
}

DamagedFile::DamagedFile(std::filesystem::path path, Damage damage)
    : path_(std::move(path)), original_(readFile(path_))
{
    switch (damage) {
    case Damage::Missing: std::filesystem::remove(path_); break;
    case Damage::Directory:
        std::filesystem::remove(path_);
        std::filesystem::create_directory(path_);
        break;
    case Damage::Fifo:
        std::filesystem::remove(path_);
        fifo_ = std::make_unique<FifoStandIn>(path_);
        break;
    default: writeFile(path_, damagedBytes(original_, damage)); break;
    }
}

DamagedFile::~DamagedFile()
{
    fifo_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
    writeFile(path_, original_);
}

int DamagedFile::fifoOpens() const
{
    return fifo_ ? fifo_->opens() : 0;
}

} // namespace ovta::test
