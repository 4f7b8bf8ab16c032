// Damages one content file in place, the ways a worn disc, a bad copy or a
// hostile file can: gone, empty, cut short, overwritten with noise, with
// absurd numbers in its fields, or replaced by a folder or a named pipe.
// The file is put back as it was when the damage goes out of scope.
#pragma once

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace ovta::test {

class FifoStandIn;

enum class Damage {
    Missing,
    Empty,
    CutToOneByte,
    CutInHalf,
    CutLastByte,
    RandomBytes,
    HugeFields,
    HugeLaterFields,
    NegativeFields,
    NonNumericFields,
    Directory,
    Fifo,
};

const char* damageName(Damage damage);
// For test names and messages.
inline void PrintTo(Damage damage, std::ostream* out)
{
    *out << damageName(damage);
}
// Every damage, in the order above.
const std::vector<Damage>& allDamages();

// The bytes a damage leaves of `bytes` (for the damages that keep a file).
// Fields are the decimal numbers of a text and, in a file that is mostly
// something else, the first 32-bit words of a binary record: huge fields become the
// largest value their width holds, negative ones a minus sign or the sign
// bit, non-numeric ones letters. Huge later fields make every second
// 8-digit field of a run of digits huge (or the second half of a shorter
// run): where fixed-width fields stand side by side (an offset then a
// length), the offsets stay good and the lengths become huge.
std::string damagedBytes(const std::string& bytes, Damage damage);

class DamagedFile {
public:
    DamagedFile(std::filesystem::path path, Damage damage);
    ~DamagedFile();
    DamagedFile(const DamagedFile&) = delete;
    DamagedFile& operator=(const DamagedFile&) = delete;

    // How often a reader opened the named pipe (Fifo only; 0 otherwise).
    int fifoOpens() const;

private:
    std::filesystem::path path_;
    std::string original_;
    std::unique_ptr<FifoStandIn> fifo_;
};

} // namespace ovta::test
