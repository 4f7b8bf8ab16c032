#include "search/shaping_tables.h"

#include <array>

namespace ovta::shaping {
namespace {

// Position 19 of the four-form tables is lam; 0x94 stands both in
// Isolated4 (feh, position 16) and in Isolated2 (position 6): lookups go
// through the tables in order, so it is taken for feh.
constexpr std::array<std::uint8_t, 23> kInitial4 = {0xC4, 0x4D, 0x55, 0x59, 0x5D, 0x65, 0x69, 0x77,
                                                    0x7B, 0xE6, 0x83, 0x84, 0x88, 0xEE, 0x93, 0x97,
                                                    0x9B, 0x9F, 0xA7, 0xAB, 0xAF, 0xB7, 0xBD};
constexpr std::array<std::uint8_t, 23> kMedial4 = {0xC3, 0x4C, 0x54, 0x58, 0x5C, 0x64, 0x68, 0x76,
                                                   0x7A, 0x7E, 0x82, 0x85, 0x89, 0xED, 0x92, 0x96,
                                                   0x9A, 0xF1, 0xA6, 0xAA, 0xAE, 0xB4, 0xBC};
constexpr std::array<std::uint8_t, 23> kFinal4 = {0xEA, 0x4B, 0x53, 0x57, 0x5B, 0x63, 0x67, 0x75,
                                                  0x79, 0x7D, 0xE8, 0x86, 0x8A, 0xE9, 0x91, 0x95,
                                                  0x99, 0xCF, 0xA5, 0xA9, 0xAD, 0xB3, 0xC8};
constexpr std::array<std::uint8_t, 23> kIsolated4 = {0xEB, 0x4A, 0x52, 0x56, 0x5A, 0x62, 0x66, 0x74,
                                                     0x78, 0x7C, 0xE7, 0x87, 0x8B, 0x8C, 0xEF, 0x94,
                                                     0x98, 0xCE, 0xA4, 0xA8, 0xAC, 0xB2, 0xC7};
constexpr std::array<std::uint8_t, 12> kJoined2 = {0x44, 0x46, 0xC6, 0x48, 0x42, 0xB9,
                                                   0x6B, 0x6D, 0x6F, 0x71, 0xB1, 0xBB};
constexpr std::array<std::uint8_t, 12> kIsolated2 = {0x43, 0x45, 0xC5, 0x47, 0x41, 0x94,
                                                     0x6A, 0x6C, 0x6E, 0x70, 0xB0, 0xBA};
constexpr std::array<std::uint8_t, 4> kLamAlefJoined = {0xDF, 0xC0, 0xDD, 0xDC};
constexpr std::array<std::uint8_t, 4> kLamAlefIsolated = {0xDE, 0xBF, 0xC1, 0xC2};

constexpr std::array<std::uint8_t, 91> kDualJoining = {
    0x4A, 0x4B, 0x4C, 0x4D, 0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x5B, 0x5C, 0x5D,
    0x62, 0x63, 0x64, 0x65, 0x66, 0x67, 0x69, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0x7B, 0x7C,
    0x7D, 0x7E, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8A, 0x8B, 0x8C, 0x91, 0x92, 0x93,
    0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9A, 0x9B, 0x9F, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xAA,
    0xAB, 0xAC, 0xAD, 0xAE, 0xAF, 0xB2, 0xB3, 0xB4, 0xB7, 0xBC, 0xBD, 0xC3, 0xC4, 0xC7, 0xC8, 0xC9,
    0xCE, 0xCF, 0xE6, 0xE7, 0xE8, 0xE9, 0xEB, 0xED, 0xEE, 0xEF, 0xF1};
constexpr std::array<std::uint8_t, 24> kRightJoining = {
    0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x6A, 0x6B, 0x6C, 0x6D,
    0x6E, 0x6F, 0x70, 0x71, 0xB0, 0xB1, 0xB8, 0xB9, 0xBA, 0xBB, 0xC5, 0xC6};
constexpr std::array<std::uint8_t, 13> kNonJoiningExtra = {0x5E, 0x5F, 0x60, 0x61, 0x8E, 0xBE, 0xD0,
                                                           0xE3, 0xE5, 0xFA, 0xFB, 0xFC, 0xFD};

constexpr std::array<LamAlefPair, 8> kLamAlefPairs = {{
    {0x42, 0xA6, 0xC0},
    {0x42, 0xA7, 0xBF},
    {0x46, 0xA6, 0xDD},
    {0x46, 0xA7, 0xC1},
    {0x48, 0xA6, 0xDF},
    {0x48, 0xA7, 0xDE},
    {0x44, 0xA6, 0xDC},
    {0x44, 0xA7, 0xC2},
}};

// One bit per class, per byte: membership tests are a lookup.
enum : std::uint8_t { kDual = 1, kRight = 2, kNon = 4, kLamAlef = 8 };

constexpr std::array<std::uint8_t, 256> classBits()
{
    std::array<std::uint8_t, 256> bits{};
    for (auto g : kDualJoining)
        bits[g] |= kDual;
    for (auto g : kRightJoining)
        bits[g] |= kRight;
    for (int g = 0x01; g <= 0x3F; ++g)
        bits[static_cast<std::size_t>(g)] |= kNon;
    for (auto g : kNonJoiningExtra)
        bits[g] |= kNon;
    for (auto g : kLamAlefJoined)
        bits[g] |= kLamAlef;
    for (auto g : kLamAlefIsolated)
        bits[g] |= kLamAlef;
    return bits;
}

constexpr auto kClassBits = classBits();

constexpr int count(std::uint8_t bit)
{
    int n = 0;
    for (auto b : kClassBits)
        n += (b & bit) ? 1 : 0;
    return n;
}
static_assert(count(kDual) == 91 && count(kRight) == 24 && count(kNon) == 76 &&
                  count(kLamAlef) == 8,
              "glyph classes have the sizes they are listed with");

} // namespace

std::span<const std::uint8_t> table(Table t)
{
    switch (t) {
    case Table::Initial4: return kInitial4;
    case Table::Medial4: return kMedial4;
    case Table::Final4: return kFinal4;
    case Table::Isolated4: return kIsolated4;
    case Table::Joined2: return kJoined2;
    case Table::Isolated2: return kIsolated2;
    case Table::LamAlefJoined: return kLamAlefJoined;
    case Table::LamAlefIsolated: return kLamAlefIsolated;
    }
    return {};
}

const char* tableName(Table t)
{
    switch (t) {
    case Table::Initial4: return "Initial4";
    case Table::Medial4: return "Medial4";
    case Table::Final4: return "Final4";
    case Table::Isolated4: return "Isolated4";
    case Table::Joined2: return "Joined2";
    case Table::Isolated2: return "Isolated2";
    case Table::LamAlefJoined: return "LamAlefJoined";
    case Table::LamAlefIsolated: return "LamAlefIsolated";
    }
    return "?";
}

std::optional<int> positionIn(Table t, std::uint8_t glyph)
{
    const auto entries = table(t);
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == glyph)
            return static_cast<int>(i);
    return std::nullopt;
}

namespace {

std::optional<FormClass> firstHolding(std::uint8_t glyph, int tables)
{
    for (int i = 0; i < tables; ++i) {
        const auto t = static_cast<Table>(i);
        if (const auto at = positionIn(t, glyph))
            return FormClass{t, *at};
    }
    return std::nullopt;
}

} // namespace

std::optional<FormClass> leftFormClass(std::uint8_t glyph)
{
    return firstHolding(glyph, 8);
}

std::optional<FormClass> rightFormClass(std::uint8_t glyph)
{
    return firstHolding(glyph, 6);
}

bool isDualJoining(std::uint8_t glyph)
{
    return kClassBits[glyph] & kDual;
}
bool isRightJoining(std::uint8_t glyph)
{
    return kClassBits[glyph] & kRight;
}
bool isNonJoining(std::uint8_t glyph)
{
    return kClassBits[glyph] & kNon;
}
bool isLamAlef(std::uint8_t glyph)
{
    return kClassBits[glyph] & kLamAlef;
}

std::span<const LamAlefPair> lamAlefPairs()
{
    return kLamAlefPairs;
}

} // namespace ovta::shaping
