#include "books/book_columns.h"

#include <exception>
#include <utility>

#include "books/caption_wrap.h"
#include "store/errors.h"

namespace ovta {
namespace {

constexpr std::string_view kPathSeparator = " // ";

const ColumnRow kNoRow;
const BookColumn kNoColumn;

} // namespace

const char* iconPicture(RowIcon icon)
{
    switch (icon) {
    case RowIcon::Closed: return "data1\\1\\1.bmp";
    case RowIcon::Open: return "data1\\1\\2.bmp";
    case RowIcon::Leaf: return "data1\\1\\3.bmp";
    }
    return "";
}

int BookColumn::rowOf(int node) const
{
    for (int r = 1; r <= Rows; ++r) {
        const ColumnRow& row = rows[static_cast<std::size_t>(r - 1)];
        if (row.shown && row.node == node)
            return r;
    }
    return 0;
}

const ColumnRow& BookColumn::row(int r) const
{
    return r >= 1 && r <= Rows ? rows[static_cast<std::size_t>(r - 1)] : kNoRow;
}

BookColumns::BookColumns(const BookTree& tree, ColumnRules rules)
    : tree_(tree), rules_(std::move(rules))
{
}

void BookColumns::setCaptionMeasure(TextWidth width, int limit)
{
    width_ = std::move(width);
    widthLimit_ = limit;
}

void BookColumns::setShowListener(std::function<void(int k)> listener)
{
    onShow_ = std::move(listener);
}

void BookColumns::start()
{
    columns_ = {};
    deepest_ = 0;
    stripPosition_ = FirstStripPosition;
    path_.clear();
    fill(1, tree_.level1());
    showColumn(1);
}

const BookColumn& BookColumns::column(int k) const
{
    return k >= 1 && k <= Columns ? columns_[static_cast<std::size_t>(k - 1)] : kNoColumn;
}

int BookColumns::stripLeft() const
{
    return FirstStripLeft + ColumnWidth * (stripPosition_ - FirstStripPosition);
}

void BookColumns::fill(int k, std::vector<ColumnEntry> entries)
{
    BookColumn& c = at(k);
    c.entries = std::move(entries);
    c.top = 0;
    c.arrows = c.count() >= 6;
}

std::string BookColumns::composePath(int k) const
{
    const bool fromFirst = k == Columns && rules_.lastPathFromFirstColumn;
    std::string path;
    for (int i = 0; i < k - 1; ++i) {
        const BookColumn& c = column(fromFirst ? i + 1 : k - 1 - i);
        if (c.selectedRow == 0)
            continue;
        if (!path.empty())
            path += kPathSeparator;
        path += c.row(c.selectedRow).caption;
    }
    return path;
}

void BookColumns::setPath(int k)
{
    path_ = composePath(k);
    const bool wrapped = k < Columns || rules_.lastPathWrapped;
    if (wrapped && width_)
        path_ = wrapPathCaption(path_, width_, widthLimit_);
}

void BookColumns::showColumn(int k)
{
    if (k < 1 || k > Columns)
        return;
    if (onShow_)
        onShow_(k);
    if (k >= 2)
        setPath(k);
    else if (rules_.firstColumnEmptiesPath)
        path_.clear();

    BookColumn& c = at(k);
    int j = 1;
    for (int i = c.top; i <= c.top + BookColumn::Rows - 1; ++i) {
        if (i < 0 || i >= c.count())
            continue;
        const ColumnEntry& e = c.entries[static_cast<std::size_t>(i)];
        ColumnRow& row = c.rows[static_cast<std::size_t>(j - 1)];
        deepest_ = k;
        row.shown = true;
        row.caption = e.title;
        row.node = e.node;
        row.icon = tree_.hasChildren(e.node, k) ? RowIcon::Closed : RowIcon::Leaf;
        ++j;
    }
    c.selectedRow = 0;
    for (; j <= BookColumn::Rows; ++j)
        c.rows[static_cast<std::size_t>(j - 1)].shown = false;
    for (int m = k + 1; m <= Columns; ++m) {
        for (ColumnRow& row : at(m).rows)
            row.shown = false;
        at(m).arrows = false;
    }
    for (int m = k; m <= Columns; ++m)
        at(m).openRow = 0;
}

int BookColumns::openNode(int k, int r)
{
    if (k < 1 || k >= Columns || r < 1 || r > BookColumn::Rows)
        return 0;
    BookColumn& c = at(k);
    ColumnRow& row = c.rows[static_cast<std::size_t>(r - 1)];
    if (!row.shown)
        return 0;
    const int n = row.node;

    if (c.openRow != 0) {
        if (c.openRow == r)
            return 0;
        c.rows[static_cast<std::size_t>(c.openRow - 1)].icon = RowIcon::Closed;
        c.openRow = 0;
    }
    if (tree_.hasChildren(n, k)) {
        row.icon = RowIcon::Open;
        c.openRow = r;
    }
    if (c.selectedRow != 0) {
        if (c.selectedRow == r)
            return 0;
        c.selectedRow = 0;
    }
    c.selectedRow = r;

    std::vector<ColumnEntry> children;
    std::exception_ptr overflow;
    try {
        tree_.children(n, k, rules_.childrenCapacity,
                       "column " + std::to_string(k + 1) + " of " + rules_.screen, children);
    } catch (const RangeError&) {
        overflow = std::current_exception();
    }
    fill(k + 1, std::move(children));
    showColumn(k + 1);
    if (overflow)
        std::rethrow_exception(overflow);
    return n;
}

bool BookColumns::scrollUp(int k)
{
    if (k < 1 || k > Columns || at(k).top - 1 < 0)
        return false;
    --at(k).top;
    showColumn(k);
    return true;
}

bool BookColumns::scrollDown(int k)
{
    if (k < 1 || k > Columns || at(k).top + 1 > at(k).limit() + 1)
        return false;
    ++at(k).top;
    showColumn(k);
    return true;
}

bool BookColumns::moveStripRight()
{
    if (stripPosition_ == LastStripPosition || deepest_ < stripPosition_)
        return false;
    ++stripPosition_;
    return true;
}

bool BookColumns::moveStripLeft()
{
    if (stripPosition_ == FirstStripPosition)
        return false;
    --stripPosition_;
    return true;
}

} // namespace ovta
