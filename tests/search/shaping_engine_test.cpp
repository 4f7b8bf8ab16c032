// The search box's shaping as key sequences: each case starts from a text and
// caret, presses keys, and checks the glyph text and caret that result.
// Keys: a plain character is typed; {BS} {DEL} {L} {R} {HOME} {END} {ENTER}
// {ESC} are the editing keys. Glyph text is written as hex bytes, left to right.
#include "search/shaping_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "store/errors.h"
#include "search/letter_table_builder.h"

namespace ovta {
namespace {

std::string bytes(const std::string& hexText)
{
    std::string out;
    for (std::size_t i = 0; i < hexText.size(); i += 3)
        out += static_cast<char>(std::stoi(hexText.substr(i, 2), nullptr, 16));
    return out;
}

std::string hex(const std::string& glyphs)
{
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : glyphs) {
        if (!out.empty())
            out += ' ';
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

// Presses the keys as the box receives them: key-down first, and the
// character only for a key that key-down passes on.
std::vector<EditOutcome> press(ShapingEngine& e, const std::string& keys)
{
    static const std::vector<std::pair<std::string, int>> named = {
        {"BS", 8},    {"DEL", 46}, {"L", 37},     {"R", 39},
        {"HOME", 36}, {"END", 35}, {"ENTER", 13}, {"ESC", 27}};
    std::vector<EditOutcome> outcomes;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] != '{') {
            outcomes.push_back(e.character(static_cast<unsigned char>(keys[i])));
            continue;
        }
        const auto end = keys.find('}', i);
        const std::string name = keys.substr(i + 1, end - i - 1);
        i = end;
        int vk = 0;
        for (const auto& [n, code] : named)
            if (n == name)
                vk = code;
        EXPECT_NE(vk, 0) << "unknown key " << name;
        const KeyDownResult down = e.keyDown(vk);
        outcomes.push_back(down.outcome);
        if (!down.swallowed)
            outcomes.push_back(e.character(vk));
    }
    return outcomes;
}

struct Case {
    const char* what;
    const char* startText; // hex
    std::size_t startCaret;
    const char* keys;
    const char* text; // hex
    std::size_t caret;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.what;
}

class Shaping : public ::testing::TestWithParam<Case> {};

TEST_P(Shaping, KeysGiveTextAndCaret)
{
    const Case& c = GetParam();
    ShapingEngine e(test::shapingLetters().tables());
    e.setText(bytes(c.startText), c.startCaret);
    press(e, c.keys);
    EXPECT_EQ(hex(e.text()), c.text) << c.keys;
    EXPECT_EQ(e.caret(), c.caret) << c.keys;
    EXPECT_EQ(e.pendingEditKey(), 0);
}

// Letters of the fixture: f beh (4D 4C 4B 4A), g lam (A7 A6 A5 A4), t feh
// (isolated 94), z yeh with hamza (final EA), o khah (medial 68), h H N Y
// alefs, v reh, m teh marbuta (B9 B8), b lam-alef (C0 BF), x hamza, blank.
const Case kFourForm[] = {
    {"alone it is isolated", "", 0, "f", "4A", 0},
    {"a second goes left: final, the first turns initial", "", 0, "ff", "4B 4D", 0},
    {"a third: the middle one turns medial", "", 0, "fff", "4B 4C 4D", 0},
    {"right of a two-form letter: both isolated", "", 0, "hf", "4A 41", 0},
    {"right neighbour joins nothing: isolated", "", 0, "xf", "4A 8E", 0},
    {"right neighbour a ligature: isolated", "", 0, "bf", "4A BF", 0},
    {"right neighbour final EA, in no class: dropped", "", 0, "fzf", "EA 4D", 0},
    {"right neighbour 68, in no class: dropped", "68 4D", 0, "f", "68 4D", 0},
    {"left only: the left one turns final", "", 0, "f{HOME}f", "4B 4D", 1},
    {"left only, joining nothing: isolated", "", 0, "x{HOME}f", "8E 4A", 1},
    {"left only, a joined two-form letter: initial", "42", 1, "f", "42 4D", 1},
    {"left only, an isolated two-form letter joins", "", 0, "h{HOME}f", "42 4D", 1},
    {"left only, an isolated ligature joins", "", 0, "b{HOME}f", "C0 4D", 1},
    {"left only, unclassed EA: dropped", "EA", 1, "f", "EA", 1},
    {"left only, 94 is feh isolated and turns feh final", "", 0, "t{HOME}f", "95 4D", 1},
    {"between joined ligature and initial: medial", "", 0, "fb{R}f", "C0 4C 4D", 1},
    {"between isolated ligature and alef: initial", "", 0, "hb{R}f", "C0 4D 41", 1},
    {"between final and initial: medial", "", 0, "ff{R}f", "4B 4C 4D", 1},
    {"between isolated and alef: left final, new initial", "", 0, "hf{R}f", "4B 4D 41", 1},
    {"between joined alef and initial: medial", "", 0, "fh{R}f", "42 4C 4D", 1},
    {"between joined alef and isolated alef: initial", "42 41", 1, "f", "42 4D 41", 1},
    {"between blank and isolated: final, right turns initial", "", 0, "f {R}f", "20 4B 4D", 1},
    {"between blank and alef: isolated", "", 0, "h {R}f", "20 4A 41", 1},
};
INSTANTIATE_TEST_SUITE_P(FourForm, Shaping, ::testing::ValuesIn(kFourForm));

const Case kTwoForm[] = {
    {"alone it is isolated", "", 0, "h", "41", 0},
    {"left of an isolated letter: joined, the letter initial", "", 0, "fh", "42 4D", 0},
    {"left of a final letter: joined, the letter medial", "", 0, "ffh", "42 4C 4D", 0},
    {"left of an alef: isolated", "", 0, "hh", "41 41", 0},
    {"right of a letter: isolated, the letter keeps its shape", "", 0, "f{HOME}h", "4A 41", 1},
    {"right of a medial: it turns initial", "4C", 1, "h", "4D 41", 1},
    {"between final and initial: left isolated, new joined", "", 0, "ff{R}h", "4A 42 4D", 1},
    {"between joined alef and initial: alef isolated", "", 0, "fh{R}v", "41 6F 4D", 1},
    {"between joined ligature and initial: ligature isolated", "", 0, "fb{R}v", "BF 6F 4D", 1},
    {"teh marbuta after beh: joined B9", "", 0, "fm", "B9 4D", 0},
    {"teh marbuta after alef: isolated B8", "", 0, "hm", "B8 41", 0},
    {"a four-form letter right of isolated teh marbuta is dropped", "", 0, "m{HOME}f", "B8", 1},
    {"right of 94: 94 stays (no rule takes it)", "", 0, "t{HOME}h", "94 41", 1},
};
INSTANTIATE_TEST_SUITE_P(TwoForm, Shaping, ::testing::ValuesIn(kTwoForm));

const Case kOneForm[] = {
    {"alone", "", 0, "x", "8E", 0},
    {"between final and initial: both isolated", "", 0, "ff{R}x", "4A 8E 4A", 1},
    {"between final and medial: isolated and final", "", 0, "fff{R}x", "4A 8E 4B 4D", 1},
    {"between medial and initial: initial and isolated", "", 0, "fff{R}{R}x", "4B 4D 8E 4A", 2},
    {"right of a joined alef: isolated", "", 0, "fh{R}x", "41 8E 4A", 1},
    {"right of a joined ligature: isolated", "", 0, "fb{R}x", "BF 8E 4A", 1},
    {"left of a final letter: it stays final", "", 0, "ffx", "8E 4B 4D", 0},
};
INSTANTIATE_TEST_SUITE_P(OneForm, Shaping, ::testing::ValuesIn(kOneForm));

const Case kLigatures[] = {
    {"alef after lam: one ligature, caret at its left", "", 0, "gh", "BF", 0},
    {"hamza-above alef after lam", "", 0, "gH", "C1", 0},
    {"madda alef after lam", "", 0, "gN", "C2", 0},
    {"hamza-below alef after lam", "", 0, "gY", "DE", 0},
    {"alef after joined lam: joined ligature", "", 0, "fgh", "C0 4D", 0},
    {"hamza-above alef after joined lam", "", 0, "fgH", "DD 4D", 0},
    {"madda alef after joined lam", "", 0, "fgN", "DC 4D", 0},
    {"hamza-below alef after joined lam", "", 0, "fgY", "DF 4D", 0},
    {"lam typed right of an alef", "", 0, "h{HOME}g", "BF", 1},
    {"pairs are tried in order, not by place", "46 A6 20 42 A7", 0, "\b", "46 A6 20 BF", 0},
    {"one ligature per key", "42 A7 20 42 A7", 0, "\b", "BF 20 42 A7", 0},
    {"the caret stays within the shortened text", "42 A7", 2, "{BS}", "BF", 1},
    {"Backspace on a ligature leaves its lam", "", 0, "fgh{BS}", "A5 4D", 0},
    {"Backspace on an isolated ligature", "", 0, "gh{BS}", "A4", 0},
    {"Backspace on a typed lam-alef key leaves lam", "", 0, "fb{BS}", "A5 4D", 0},
    {"Delete on BF leaves alef", "", 0, "gh{R}{DEL}", "41", 0},
    {"Delete on C0 leaves alef", "", 0, "fgh{R}{DEL}", "42 4D", 0},
    {"Delete on DD leaves hamza-above alef", "", 0, "fgH{R}{DEL}", "46 4D", 0},
    {"Delete on C1 leaves hamza-above alef", "", 0, "gH{R}{DEL}", "45", 0},
    {"Delete on DC leaves madda alef", "", 0, "fgN{R}{DEL}", "44 4D", 0},
    {"Delete on C2 leaves madda alef", "", 0, "gN{R}{DEL}", "43", 0},
    {"Delete on DF leaves hamza-below alef", "", 0, "fgY{R}{DEL}", "48 4D", 0},
    {"Delete on DE leaves hamza-below alef", "", 0, "gY{R}{DEL}", "47", 0},
};
INSTANTIATE_TEST_SUITE_P(Ligatures, Shaping, ::testing::ValuesIn(kLigatures));

const Case kEditing[] = {
    {"Backspace removes the glyph right of the caret", "", 0, "ff{R}{BS}", "4A", 1},
    {"Delete removes the glyph left of the caret", "", 0, "ff{R}{DEL}", "4A", 0},
    {"Backspace at the right end changes nothing", "", 0, "ff{HOME}{BS}", "4B 4D", 2},
    {"Delete at the left end changes nothing", "", 0, "ff{DEL}", "4B 4D", 0},
    {"Backspace empties a one-glyph box", "", 0, "f{BS}", "", 0},
    {"End goes to the left end", "4B 4C 4D", 2, "{END}", "4B 4C 4D", 0},
    {"Home goes to the right end", "4B 4C 4D", 0, "{HOME}", "4B 4C 4D", 3},
    {"Left and Right stop at the ends", "4B 4D", 0, "{L}{R}{R}{R}", "4B 4D", 2},
    {"Enter changes nothing", "4B 4D", 1, "{ENTER}", "4B 4D", 1},
    {"Esc changes nothing", "4B 4D", 1, "{ESC}", "4B 4D", 1},
    {"a character 8 without Backspace is ignored", "4B 4D", 1, "\b", "4B 4D", 1},
    {"a key of letter 0 types nothing", "4A", 0, "q", "4A", 0},
};
INSTANTIATE_TEST_SUITE_P(Editing, Shaping, ::testing::ValuesIn(kEditing));

// Every row of the deletion table, reached by typing; the row that applied is
// checked as well as the text.
struct DeletionCase {
    int row;
    const char* keys;
    const char* text;
    std::size_t caret;
};

void PrintTo(const DeletionCase& c, std::ostream* os)
{
    *os << "row " << c.row;
}

class DeletionRows : public ::testing::TestWithParam<DeletionCase> {};

TEST_P(DeletionRows, RowAppliesAndReshapes)
{
    const DeletionCase& c = GetParam();
    ShapingEngine e(test::shapingLetters().tables());
    press(e, c.keys);
    EXPECT_EQ(e.lastDeletionRow(), c.row) << c.keys;
    EXPECT_EQ(hex(e.text()), c.text) << c.keys;
    EXPECT_EQ(e.caret(), c.caret) << c.keys;
}

const DeletionCase kDeletion[] = {
    {1, "fh{R}o{R}f{DEL}", "42 4C 4D", 1},
    {2, "hh{R}o{R}f{DEL}", "42 4D 41", 1},
    {3, "fff{R}h{BS}", "4B 4C 4D", 1},
    {4, "fhh{R}{BS}", "42 4D", 1},
    {5, "ffhh{R}{BS}", "42 4C 4D", 1},
    {6, "fff{R}{R}h{BS}", "4B 4C 4D", 2},
    {7, "ffff{R}{R}h{BS}", "4B 4C 4C 4D", 2},
    {8, "fff{R}{R}o{R}f{DEL}", "4B 4C 4C 4D", 2},
    {9, "ff{R}{R}ho{R}f{DEL}", "4B 4C 4D 41", 2},
    {10, "fhb{R}{BS}", "C0 4D", 1},
    {11, "hfb{R}{BS}", "BF 41", 1},
    {12, "ffxb{R}{BS}", "C0 4C 4D", 1},
    {13, "fxb{R}{BS}", "C0 4D", 1},
    {14, "ffff{R}{R}x{BS}", "4B 4C 4C 4D", 2},
    {15, "ff{R}x{BS}", "4B 4D", 1},
    {16, "fff{R}x{BS}", "4B 4C 4D", 1},
    {17, "ff{R}h{BS}", "4B 4D", 1},
    {18, "ffh{R}x{BS}", "42 4C 4D", 1},
    {19, "fh{R}x{BS}", "42 4D", 1},
    {20, "fff{R}{R}x{BS}", "4B 4C 4D", 2},
    {21, "hfh{R}{BS}", "41 41", 1},
    {22, "ff{R}{R}hf{BS}", "4B 4D 41", 2},
    {23, "f{R}hf{BS}", "4A 41", 1},
    {24, "ffx{R}{BS}", "8E 4A", 1},
    {25, "fffx{R}{BS}", "8E 4B 4D", 1},
};
INSTANTIATE_TEST_SUITE_P(Table, DeletionRows, ::testing::ValuesIn(kDeletion));

TEST(ShapingSelection, TypingInsertsAtTheCaretAndKeepsTheSelectedGlyphs)
{
    ShapingEngine e(test::shapingLetters().tables());
    e.setText(bytes("4B 4C 4D"), 0);
    e.select(1, 1);
    e.character('x');
    EXPECT_EQ(hex(e.text()), "4A 8E 4B 4D");
    EXPECT_EQ(e.caret(), 1u);
    EXPECT_EQ(e.selection(), 0u);
}

TEST(ShapingSelection, BackspaceAndDeleteRemoveExactlyTheSelection)
{
    struct {
        const char* key;
        std::size_t start, length;
        const char* text;
        std::size_t caret;
    } cases[] = {
        {"{BS}", 1, 1, "4B 4D", 1},  // the two that meet were joined already
        {"{DEL}", 1, 1, "4B 4D", 1}, // the caret stays at the selection's start
        {"{DEL}", 0, 2, "4A", 0},    // the rest is re-shaped as alone
        {"{BS}", 1, 2, "4A", 1},     {"{BS}", 0, 3, "", 0},
    };
    for (const auto& c : cases) {
        ShapingEngine e(test::shapingLetters().tables());
        e.setText(bytes("4B 4C 4D"), 0);
        e.select(c.start, c.length);
        press(e, c.key);
        EXPECT_EQ(hex(e.text()), c.text) << c.key << " " << c.start << "+" << c.length;
        EXPECT_EQ(e.caret(), c.caret) << c.key << " " << c.start << "+" << c.length;
    }
}

TEST(ShapingSelection, ASelectedLigatureIsNotTypedAgain)
{
    ShapingEngine e(test::shapingLetters().tables());
    e.setText(bytes("C0 4D"), 0);
    e.select(0, 1);
    press(e, "{BS}");
    EXPECT_EQ(hex(e.text()), "4A");
}

TEST(ShapingKeys, KeyDownSwallowsTheEditingKeysAndPassesTheRest)
{
    const struct {
        int vk;
        bool swallowed;
        EditOutcome outcome;
    } cases[] = {
        {27, true, EditOutcome::Close}, {35, true, EditOutcome::None},
        {36, true, EditOutcome::None},  {46, true, EditOutcome::None},
        {39, true, EditOutcome::None},  {37, true, EditOutcome::None},
        {8, false, EditOutcome::None},  {13, false, EditOutcome::None},
        {70, false, EditOutcome::None}, {9, false, EditOutcome::None},
    };
    for (const auto& c : cases) {
        ShapingEngine e(test::shapingLetters().tables());
        const KeyDownResult r = e.keyDown(c.vk);
        EXPECT_EQ(r.swallowed, c.swallowed) << c.vk;
        EXPECT_EQ(r.outcome, c.outcome) << c.vk;
        EXPECT_EQ(e.pendingEditKey(), c.vk == 8 ? 8 : 0) << c.vk;
    }
}

TEST(ShapingKeys, EnterAsksForTheSearch)
{
    ShapingEngine e(test::shapingLetters().tables());
    e.setText(bytes("4B 4D"), 1);
    EXPECT_EQ(e.character(13), EditOutcome::Search);
    EXPECT_EQ(hex(e.text()), "4B 4D");
}

TEST(ShapingKeys, ANonLatinCharacterEmptiesTheBox)
{
    for (int code : {0x80, 0xE9, 0x628, 0x10000}) {
        ShapingEngine e(test::shapingLetters().tables());
        e.setText(bytes("4B 4D"), 1);
        EXPECT_EQ(e.character(code), EditOutcome::WrongLayout) << code;
        EXPECT_EQ(e.text(), "") << code;
        EXPECT_EQ(e.caret(), 0u) << code;
    }
    EXPECT_STREQ(ShapingEngine::WrongLayoutText, "change the keyboard language to english");
    EXPECT_STREQ(ShapingEngine::WrongLayoutCaption, "change keyboard");
}

// The letter records the tables can hold, good and bad.
test::LetterTableBuilder damagedLetters()
{
    test::LetterTableBuilder b = test::shapingLetters();
    b.range("1", 0, 5); // first index 0
    b.range("2", 5, 0); // last index 0
    b.keysTo("3", 0);   // letter 0: record 0 holds 0 0
    b.range("4", 1, 5); // five forms
    b.range("5", 1, 3); // three forms
    b.range("6", 4, 1); // last below first
    b.keysTo("7", 999); // no such record
    const long bad = b.glyphIndex();
    b.glyph(300).glyph(0x41);
    b.range("9", bad, bad + 1);                       // glyph code 300
    b.range("8", b.glyphIndex(), b.glyphIndex() + 1); // past the glyph file
    return b;
}

TEST(ShapingTables, KeysOfLetterOrRangeZeroTypeNothing)
{
    for (char key : std::string("12356qZ")) {
        ShapingEngine e(damagedLetters().tables());
        e.setText(bytes("4B 4D"), 1);
        e.character(key);
        EXPECT_EQ(hex(e.text()), "4B 4D") << key;
        EXPECT_EQ(e.caret(), 1u) << key;
    }
}

TEST(ShapingTables, TheRangeErrorLeavesTheTextAsItWas)
{
    ShapingEngine e(damagedLetters().tables());
    e.setText(bytes("4B 4D"), 1);
    try {
        e.character('4');
        FAIL() << "a range of five forms is refused";
    } catch (const RangeError& error) {
        EXPECT_STREQ(
            error.what(),
            "\"data\\1c2.txt\": letter 17 has 5 forms (1 to 5); a letter has at most four");
    }
    EXPECT_EQ(hex(e.text()), "4B 4D");
    EXPECT_EQ(e.caret(), 1u);
    // The box goes on working.
    e.character('f');
    EXPECT_EQ(hex(e.text()), "4B 4C 4D");
}

TEST(ShapingTables, DamagedFieldsAreReportedWhileTyping)
{
    ShapingEngine e(damagedLetters().tables());
    EXPECT_THROW(e.character('7'), ConversionError);
    EXPECT_THROW(e.character('8'), ConversionError);
    try {
        e.character('9');
        ADD_FAILURE() << "a glyph code of 300 is refused";
    } catch (const RangeError& error) {
        // The form index is wherever the builder put the bad code.
        const std::string text = error.what();
        const std::string head = "\"data\\1c1.txt\": glyph code 300 at form index ";
        const std::string tail = " is outside 1 to 255";
        EXPECT_EQ(text.substr(0, head.size()), head) << text;
        EXPECT_EQ(text.substr(text.size() - std::min(text.size(), tail.size())), tail) << text;
    }
    EXPECT_EQ(e.text(), "");
}

TEST(ShapingTables, WithoutTablesKeysTypeNothingButEditingWorks)
{
    ShapingEngine e;
    e.setText(bytes("4B 4D"), 1);
    e.character('f');
    EXPECT_EQ(hex(e.text()), "4B 4D");
    press(e, "{BS}");
    EXPECT_EQ(hex(e.text()), "4A");
}

// Random key runs over every letter and editing key: the caret and the
// selection stay within the text and every glyph typed is one of the
// letters' forms or was there before.
TEST(ShapingInvariants, RandomRunsKeepTheCaretWithinTheText)
{
    const std::string keys = "fgtzohHNYvmbx q";
    const int specials[] = {8, 46, 37, 39, 35, 36};
    std::mt19937 rng(5);
    for (int run = 0; run < 300; ++run) {
        ShapingEngine e(test::shapingLetters().tables());
        for (int step = 0; step < 60; ++step) {
            const auto pick = rng() % (keys.size() + std::size(specials) + 1);
            if (pick < keys.size()) {
                e.character(static_cast<unsigned char>(keys[pick]));
            } else if (pick < keys.size() + std::size(specials)) {
                const int vk = specials[pick - keys.size()];
                if (!e.keyDown(vk).swallowed)
                    e.character(vk);
            } else if (!e.text().empty()) {
                e.select(rng() % e.text().size(), rng() % 3);
            }
            ASSERT_LE(e.caret(), e.text().size());
            ASSERT_LE(e.caret() + e.selection(), e.text().size());
            ASSERT_EQ(e.text().find('\0'), std::string::npos);
        }
    }
}

} // namespace
} // namespace ovta
