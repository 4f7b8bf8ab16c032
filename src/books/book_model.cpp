#include "books/book_model.h"

#include <exception>
#include <utility>

#include "books/repeat_codes.h"
#include "store/errors.h"

namespace ovta {
namespace {

ColumnRules columnRules(const ScreenSettings& s)
{
    ColumnRules r;
    r.screen = s.name;
    r.childrenCapacity = s.capacity.children;
    r.firstColumnEmptiesPath = s.firstColumnEmptiesPath;
    r.lastPathFromFirstColumn = s.lastPathFromFirstColumn;
    r.lastPathWrapped = s.lastPathWrapped;
    return r;
}

} // namespace

BookModel::BookModel(BookScreen screen, int number, const TitleTable& titles)
    : settings_(screenSettings(screen)), info_(bookInfo(screen, number)), titles_(titles),
      tree_(settings_.layout, settings_.capacity.nodes, settings_.capacity.level1, settings_.name),
      columns_(tree_, columnRules(settings_)), articles_(settings_.articleCaptionBlank),
      body_(settings_.paneRows, settings_.paneLastBase, settings_.paneStep)
{
    columns_.setShowListener([this](int k) { columnShown(k); });
}

void BookModel::open(const ContentDir& dir)
{
    files_.open(dir, info_.files);
}

void BookModel::setCaptionMeasure(TextWidth width, int limit)
{
    columns_.setCaptionMeasure(std::move(width), limit);
}

void BookModel::setLineStoreMeasure(TextWidth width, int limit)
{
    body_.store().setMeasure(std::move(width), limit);
    body_.refresh();
}

void BookModel::setResetListener(std::function<void()> listener)
{
    onReset_ = std::move(listener);
}

void BookModel::start()
{
    std::exception_ptr failed;
    try {
        tree_.load(files_.tree, files_.titles);
    } catch (const Error&) {
        failed = std::current_exception();
    }
    columns_.start();
    if (failed)
        std::rethrow_exception(failed);
}

void BookModel::resetPane()
{
    if (onReset_)
        onReset_();
    switch (settings_.pane) {
    case PaneKind::ArticleWindow: articles_.reset(); break;
    case PaneKind::ArticleListBox: break;
    case PaneKind::BodyWindow:
        if (settings_.content == NodeContent::BodyAndPassages)
            passages_.clearText();
        body_.reset();
        break;
    }
}

void BookModel::columnShown(int k)
{
    if (settings_.showColumnResetsPane)
        resetPane();
    if (k > settings_.clearedUpToColumn)
        return;
    if (settings_.content == NodeContent::BodyAndPassages)
        passages_.clearItems();
    if (settings_.content == NodeContent::ArticleRange)
        range_.empty();
}

bool BookModel::openNode(int k, int row)
{
    const int node = columns_.openNode(k, row);
    if (node == 0)
        return false;
    showContent(k, row, node);
    return true;
}

void BookModel::showContent(int k, int row, int node)
{
    switch (settings_.content) {
    case NodeContent::Articles: showArticles(node); break;
    case NodeContent::Body: showBody(node); break;
    case NodeContent::BodyAndPassages: {
        showBody(node);
        // Only the headings of the first five levels have passages; deeper
        // ones leave the chooser as it is.
        if (k > 5)
            break;
        const NodeFields& f = tree_.fields(node);
        passages_.fill(files_.segments, f.firstSegment, f.lastSegment,
                       titles_.entry(settings_.passageCaption),
                       columns_.column(k).row(row).caption);
        break;
    }
    case NodeContent::ArticleRange: showRange(node); break;
    }
}

void BookModel::showArticles(int node)
{
    const ArticleListFiles files{files_.groupMap, files_.articleNumbers, files_.articleIndex,
                                 files_.articleTitles};
    const ArticleListRules rules{
        settings_.articleRecordSize,         settings_.articleTitleField, info_.base,
        settings_.articleRangeNeedsBothEnds, settings_.capacity.articles, settings_.name};
    try {
        articles_.list().build(files, rules, tree_.fields(node).group);
    } catch (const Error&) {
        articles_.refresh();
        throw;
    }
    articles_.refresh();
}

void BookModel::showBody(int node)
{
    const NodeFields& f = tree_.fields(node);
    body_.setText(files_.bodies.read(f.bodyOffset, f.bodyLength));
}

ArticleTextFiles BookModel::articleTexts() const
{
    return {files_.locators, files_.articleTexts, info_.base};
}

void BookModel::showRange(int node)
{
    const NodeFields& f = tree_.fields(node);
    std::exception_ptr overflow;
    bool replaced = false;
    try {
        replaced =
            range_.set(f.firstArticle, f.lastArticle,
                       "node " + std::to_string(node) + " of index list " + files_.tree.name());
    } catch (const RangeError&) {
        overflow = std::current_exception();
        replaced = true;
    }
    // A heading without a range shows the store as the column show left it.
    if (replaced)
        body_.setText(range_.text(articleTexts()));
    else
        body_.refresh();
    if (overflow)
        std::rethrow_exception(overflow);
}

bool BookModel::lineUp()
{
    switch (settings_.pane) {
    case PaneKind::ArticleWindow: return articles_.lineUp();
    case PaneKind::BodyWindow: return body_.lineUp();
    case PaneKind::ArticleListBox: return false;
    }
    return false;
}

bool BookModel::lineDown()
{
    switch (settings_.pane) {
    case PaneKind::ArticleWindow: return articles_.lineDown();
    case PaneKind::BodyWindow: return body_.lineDown();
    case PaneKind::ArticleListBox: return false;
    }
    return false;
}

bool BookModel::pageUp()
{
    switch (settings_.pane) {
    case PaneKind::ArticleWindow: return articles_.pageUp();
    case PaneKind::BodyWindow: return body_.pageUp();
    case PaneKind::ArticleListBox: return false;
    }
    return false;
}

bool BookModel::pageDown()
{
    switch (settings_.pane) {
    case PaneKind::ArticleWindow: return articles_.pageDown();
    case PaneKind::BodyWindow: return body_.pageDown();
    case PaneKind::ArticleListBox: return false;
    }
    return false;
}

Pager& BookModel::panePager()
{
    switch (settings_.pane) {
    case PaneKind::ArticleWindow: return articles_.pager();
    case PaneKind::BodyWindow: return body_.pager();
    case PaneKind::ArticleListBox: break;
    }
    return idle_;
}

bool BookModel::previousArticle()
{
    if (settings_.content != NodeContent::ArticleRange)
        return false;
    return range_.previous(articleTexts(), [this](const std::string& t) { body_.setText(t); });
}

bool BookModel::nextArticle()
{
    if (settings_.content != NodeContent::ArticleRange)
        return false;
    return range_.next(articleTexts(), [this](const std::string& t) { body_.setText(t); });
}

bool BookModel::repeat(int code)
{
    const RepeatAction a = repeatAction(code);
    switch (a.move) {
    case RepeatMove::ColumnUp: return scrollUp(a.column);
    case RepeatMove::ColumnDown: return scrollDown(a.column);
    case RepeatMove::LineUp: return lineUp();
    case RepeatMove::LineDown: return lineDown();
    case RepeatMove::PreviousArticle: return previousArticle();
    case RepeatMove::NextArticle: return nextArticle();
    case RepeatMove::None: return false;
    }
    return false;
}

} // namespace ovta
