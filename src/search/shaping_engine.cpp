#include "search/shaping_engine.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <utility>

#include "search/shaping_tables.h"

namespace ovta {
namespace {

using shaping::Table;
using Glyph = std::uint8_t;
using Rule = std::pair<Table, Table>;

// Virtual keys and character codes the box knows.
constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kEsc = 27;
constexpr int kEnd = 35;
constexpr int kHome = 36;
constexpr int kLeft = 37;
constexpr int kRight = 39;
constexpr int kDelete = 46;

bool in(Table t, Glyph g)
{
    return shaping::positionIn(t, g).has_value();
}

// Re-shapes a neighbour by the first rule whose source table holds it: the
// glyph at the same place of the target table replaces it.
void reshape(Glyph& g, std::initializer_list<Rule> rules)
{
    for (const auto& [from, to] : rules) {
        const auto at = shaping::positionIn(from, g);
        if (!at)
            continue;
        const auto target = shaping::table(to);
        if (static_cast<std::size_t>(*at) < target.size())
            g = target[static_cast<std::size_t>(*at)];
        return;
    }
}

// The deletion table: rows are tried in order; a mask holds one bit per form
// table and one for "no form class".
constexpr std::uint16_t bit(Table t)
{
    return static_cast<std::uint16_t>(1u << static_cast<int>(t));
}
constexpr std::uint16_t kNoClass = 1u << 8;
constexpr std::uint16_t kAnything = 0x1FF;

struct DeletionRow {
    std::uint16_t left;
    std::uint16_t right;
    std::optional<Table> rightTo;
    std::optional<Table> leftTo;
};

constexpr std::uint16_t notInitialOrMedial =
    kAnything & ~(bit(Table::Initial4) | bit(Table::Medial4));
constexpr std::uint16_t notFinalMedialJoined =
    kAnything & ~(bit(Table::Final4) | bit(Table::Medial4) | bit(Table::Joined2));

const std::array<DeletionRow, 25> kDeletionRows = {{
    {bit(Table::Joined2), bit(Table::Final4), Table::Medial4, {}},
    {bit(Table::Joined2), bit(Table::Isolated4), Table::Initial4, {}},
    {bit(Table::Isolated4), bit(Table::Medial4), {}, Table::Final4},
    {bit(Table::Isolated2), bit(Table::Initial4), {}, Table::Joined2},
    {bit(Table::Isolated2), bit(Table::Medial4), {}, Table::Joined2},
    {bit(Table::Initial4), bit(Table::Initial4), {}, Table::Medial4},
    {bit(Table::Initial4), bit(Table::Medial4), {}, Table::Medial4},
    {bit(Table::Medial4), bit(Table::Final4), Table::Medial4, {}},
    {bit(Table::Medial4), bit(Table::Isolated4), Table::Initial4, {}},
    {bit(Table::LamAlefIsolated),
     bit(Table::Initial4) | bit(Table::Medial4),
     {},
     Table::LamAlefJoined},
    {bit(Table::LamAlefJoined),
     bit(Table::Joined2) | bit(Table::Isolated2),
     {},
     Table::LamAlefIsolated},
    {bit(Table::LamAlefIsolated), bit(Table::Final4), Table::Medial4, Table::LamAlefJoined},
    {bit(Table::LamAlefIsolated), bit(Table::Isolated4), Table::Initial4, Table::LamAlefJoined},
    {bit(Table::Initial4), bit(Table::Final4), Table::Medial4, Table::Medial4},
    {bit(Table::Isolated4), bit(Table::Isolated4), Table::Initial4, Table::Final4},
    {bit(Table::Isolated4), bit(Table::Final4), Table::Medial4, Table::Final4},
    {bit(Table::Isolated4), bit(Table::Initial4), {}, Table::Final4},
    {bit(Table::Isolated2), bit(Table::Final4), Table::Medial4, Table::Joined2},
    {bit(Table::Isolated2), bit(Table::Isolated4), Table::Initial4, Table::Joined2},
    {bit(Table::Initial4), bit(Table::Isolated4), Table::Initial4, Table::Medial4},
    {bit(Table::Joined2), notInitialOrMedial, {}, Table::Isolated2},
    {bit(Table::Medial4), notInitialOrMedial, {}, Table::Initial4},
    {bit(Table::Final4), notInitialOrMedial, {}, Table::Isolated4},
    {notFinalMedialJoined, bit(Table::Initial4), Table::Isolated4, {}},
    {notFinalMedialJoined, bit(Table::Medial4), Table::Final4, {}},
}};

std::uint16_t maskOf(const std::optional<shaping::FormClass>& c)
{
    return c ? bit(c->table) : kNoClass;
}

void moveTo(Glyph& g, const shaping::FormClass& from, Table to)
{
    const auto target = shaping::table(to);
    if (static_cast<std::size_t>(from.position) < target.size())
        g = target[static_cast<std::size_t>(from.position)];
}

// Re-shapes the glyphs a deletion has brought together; returns the row of
// the table that applied, 0 for none.
int reshapeForDeletion(std::string& left, std::string& right)
{
    const bool hasL = !left.empty();
    const bool hasR = !right.empty();
    if (!hasL && !hasR)
        return 0;
    if (!hasL) {
        auto& R = reinterpret_cast<Glyph&>(right.front());
        reshape(R, {{Table::Initial4, Table::Isolated4}, {Table::Medial4, Table::Final4}});
        return 0;
    }
    auto& L = reinterpret_cast<Glyph&>(left.back());
    if (!hasR) {
        reshape(L, {{Table::Final4, Table::Isolated4},
                    {Table::Medial4, Table::Initial4},
                    {Table::Joined2, Table::Isolated2},
                    {Table::LamAlefJoined, Table::LamAlefIsolated}});
        return 0;
    }
    auto& R = reinterpret_cast<Glyph&>(right.front());
    const auto lClass = shaping::leftFormClass(L);
    const auto rClass = shaping::rightFormClass(R);
    const std::uint16_t lMask = maskOf(lClass);
    const std::uint16_t rMask = maskOf(rClass);
    for (std::size_t row = 0; row < kDeletionRows.size(); ++row) {
        const DeletionRow& d = kDeletionRows[row];
        if (!(d.left & lMask) || !(d.right & rMask))
            continue;
        if (d.rightTo && rClass)
            moveTo(R, *rClass, *d.rightTo);
        if (d.leftTo && lClass)
            moveTo(L, *lClass, *d.leftTo);
        return static_cast<int>(row) + 1;
    }
    return 0;
}

void lamAlefPass(std::string& text)
{
    for (const auto& pair : shaping::lamAlefPairs()) {
        const char both[2] = {static_cast<char>(pair.left), static_cast<char>(pair.right)};
        const auto at = text.find(std::string_view(both, 2));
        if (at == std::string::npos)
            continue;
        text.replace(at, 2, 1, static_cast<char>(pair.ligature));
        return;
    }
}

// The key typed again after a ligature was deleted, so that Backspace
// leaves its lam and Delete its alef.
int retypeKey(Glyph deleted, int editKey)
{
    if (editKey == kBackspace)
        return 'g';
    switch (deleted) {
    case 0xBF:
    case 0xC0: return 'h';
    case 0xC1:
    case 0xDD: return 'H';
    case 0xC2:
    case 0xDC: return 'N';
    default: return 'Y'; // DE, DF
    }
}

std::optional<Glyph> fourFormShape(const LetterForms& f, Glyph* L, Glyph* R)
{
    const Glyph initial = f.glyphs[0], medial = f.glyphs[1], final = f.glyphs[2],
                isolated = f.glyphs[3];
    if (!L && !R)
        return isolated;
    if (!L) {
        if (shaping::isRightJoining(*R) || shaping::isNonJoining(*R) || shaping::isLamAlef(*R))
            return isolated;
        if (!shaping::isDualJoining(*R))
            return std::nullopt;
        reshape(*R, {{Table::Isolated4, Table::Initial4}, {Table::Final4, Table::Medial4}});
        return final;
    }
    if (!R) {
        if (shaping::isNonJoining(*L))
            return isolated;
        if (in(Table::Joined2, *L))
            return initial;
        if (!shaping::isDualJoining(*L) && !in(Table::Isolated2, *L) &&
            !in(Table::LamAlefIsolated, *L))
            return std::nullopt;
        reshape(*L, {{Table::Isolated4, Table::Final4},
                     {Table::Initial4, Table::Medial4},
                     {Table::Isolated2, Table::Joined2},
                     {Table::LamAlefIsolated, Table::LamAlefJoined}});
        return initial;
    }
    const auto lClass = shaping::leftFormClass(*L);
    reshape(*L, {{Table::Initial4, Table::Medial4},
                 {Table::Isolated4, Table::Final4},
                 {Table::Isolated2, Table::Joined2},
                 {Table::LamAlefIsolated, Table::LamAlefJoined}});
    reshape(*R, {{Table::Final4, Table::Medial4}, {Table::Isolated4, Table::Initial4}});
    if (lClass && lClass->table == Table::LamAlefJoined)
        return medial;
    if (lClass && lClass->table == Table::LamAlefIsolated)
        return initial;
    const bool rightJoins = shaping::isDualJoining(*R);
    if (shaping::isDualJoining(*L) || in(Table::Joined2, *L))
        return rightJoins ? medial : initial;
    return rightJoins ? final : isolated;
}

Glyph twoFormShape(const LetterForms& f, Glyph* L, Glyph* R)
{
    const Glyph joined = f.glyphs[0], isolated = f.glyphs[1];
    if (R)
        reshape(*R, {{Table::Final4, Table::Medial4}, {Table::Isolated4, Table::Initial4}});
    if (L)
        reshape(*L, {{Table::Medial4, Table::Initial4},
                     {Table::Final4, Table::Isolated4},
                     {Table::Joined2, Table::Isolated2},
                     {Table::LamAlefJoined, Table::LamAlefIsolated}});
    return R && shaping::isDualJoining(*R) ? joined : isolated;
}

Glyph oneFormShape(const LetterForms& f, Glyph* L, Glyph* R)
{
    if (R)
        reshape(*R, {{Table::Initial4, Table::Isolated4}, {Table::Medial4, Table::Final4}});
    if (L)
        reshape(*L, {{Table::Final4, Table::Isolated4},
                     {Table::Medial4, Table::Initial4},
                     {Table::Joined2, Table::Isolated2},
                     {Table::LamAlefJoined, Table::LamAlefIsolated}});
    return f.glyphs[0];
}

} // namespace

ShapingEngine::ShapingEngine(LetterTables tables) : tables_(std::move(tables)) {}

void ShapingEngine::setText(std::string text, std::size_t caret)
{
    text_ = std::move(text);
    caret_ = std::min(caret, text_.size());
    selection_ = 0;
}

void ShapingEngine::moveCaret(std::size_t caret)
{
    caret_ = std::min(caret, text_.size());
    selection_ = 0;
}

void ShapingEngine::select(std::size_t start, std::size_t length)
{
    caret_ = std::min(start, text_.size());
    selection_ = std::min(length, text_.size() - caret_);
}

KeyDownResult ShapingEngine::keyDown(int virtualKey)
{
    switch (virtualKey) {
    case kEsc: return {true, EditOutcome::Close};
    case kEnd: moveCaret(0); return {true, EditOutcome::None};
    case kHome: moveCaret(text_.size()); return {true, EditOutcome::None};
    case kDelete: pendingEditKey_ = kDelete; return {true, character(0)};
    case kBackspace: pendingEditKey_ = kBackspace; return {false, EditOutcome::None};
    case kRight:
        moveCaret(caret_ < text_.size() ? caret_ + 1 : caret_);
        return {true, EditOutcome::None};
    case kLeft: moveCaret(caret_ > 0 ? caret_ - 1 : 0); return {true, EditOutcome::None};
    default: return {false, EditOutcome::None};
    }
}

EditOutcome ShapingEngine::character(int code)
{
    if (code < 0 || code >= 0x80) {
        setText({}, 0);
        return EditOutcome::WrongLayout;
    }
    if (code == kEnter)
        return EditOutcome::Search;
    edit(code);
    return EditOutcome::None;
}

void ShapingEngine::edit(int code)
{
    std::size_t a = caret_;
    std::string left = text_.substr(0, a);
    std::string right = text_.substr(a);
    std::optional<Glyph> deleted;
    const int editKey = pendingEditKey_;
    lastDeletionRow_ = 0;

    if (editKey == kBackspace || editKey == kDelete) {
        if (selection_ > 0) {
            right.erase(0, selection_);
        } else if (editKey == kBackspace && !right.empty()) {
            deleted = static_cast<Glyph>(right.front());
            right.erase(0, 1);
        } else if (editKey == kDelete && !left.empty()) {
            deleted = static_cast<Glyph>(left.back());
            left.pop_back();
            --a;
        }
    }

    if (editKey != 0)
        lastDeletionRow_ = reshapeForDeletion(left, right);
    else if (code != kBackspace)
        type(code, left, right);

    std::string result = std::move(left);
    result += right;
    lamAlefPass(result);
    text_ = std::move(result);
    // The ligature may have shortened the text under the caret.
    caret_ = std::min(a, text_.size());
    selection_ = 0;
    pendingEditKey_ = 0;

    if (deleted && shaping::isLamAlef(*deleted))
        edit(retypeKey(*deleted, editKey));
}

void ShapingEngine::type(int code, std::string& left, std::string& right)
{
    const LetterForms forms = tables_.formsOf(tables_.letterOf(code));
    if (forms.count == 0)
        return;
    forms_ = forms;
    Glyph* L = left.empty() ? nullptr : reinterpret_cast<Glyph*>(&left.back());
    Glyph* R = right.empty() ? nullptr : reinterpret_cast<Glyph*>(&right.front());
    // Shapes are worked out on copies: a letter that is dropped leaves its
    // neighbours as they were.
    Glyph l = L ? *L : 0, r = R ? *R : 0;
    std::optional<Glyph> shape;
    switch (forms.count) {
    case 4: shape = fourFormShape(forms, L ? &l : nullptr, R ? &r : nullptr); break;
    case 2: shape = twoFormShape(forms, L ? &l : nullptr, R ? &r : nullptr); break;
    case 1: shape = oneFormShape(forms, L ? &l : nullptr, R ? &r : nullptr); break;
    default: return;
    }
    if (!shape)
        return;
    if (L)
        *L = l;
    if (R)
        *R = r;
    left += static_cast<char>(*shape);
}

} // namespace ovta
