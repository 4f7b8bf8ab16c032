#include "reading/topic_list_screen.h"

#include <cstring>
#include <exception>

#include "shell/clipboard_text.h"
#include "shell/globals.h"
#include "shell/layout_picture.h"
#include "shell/reading_keys.h"
#include "shell/screen_registry.h"

namespace ovta {
namespace {

const bool registered = registerKinds<Tfrm45, Tfrm82>();

constexpr int kUp = 1;
constexpr int kDown = 2;
constexpr int kHidden = 1000; // the magnifier's top when out of sight
constexpr const char* kSearchHover = "data1\\kenorb2.bmp";
constexpr const char* kSearchNormal = "data1\\kenorb1.bmp";

} // namespace

TopicListScreen::TopicListScreen(const TopicListSettings& settings, TopicListState& state)
    : Screen(settings.kind), settings_(settings), state_(state),
      pager_(Pager::list(9, globals().ListTop)),
      repeat_(this, settings.keyPositionIsRepeat ? state.keyPosition : state.repeatDirection)
{
    const char* kind = settings.kind;
    const layout::TopicListLayout& L = *settings.layout;
    m1 = layoutImage(this, kind, "m1", QRect(0, 0, 640, 480));
    m1->onMouseMove = [this](Control*) { m1MouseMove(); };

    const auto made =
        PagedColumn::makeRows(this, 9, "ls", 1, [&L](int k) { return toRect(L.row(k)); });
    for (std::size_t k = 0; k < rows.size(); ++k) {
        LabelControl* row = made[k];
        row->onClick = [this, row](Control*) { ls1Click(row); };
        row->onMouseMove = [this, row](Control*) { Label4MouseMove(row); };
        rows[k] = row;
    }
    magnifier_ =
        std::make_unique<Magnifier>(this, state.magnifier, L.firstRow.x, L.firstRow.h, kHidden);
    labcamov = magnifier_->label();
    Label1 = operationLabel(this, "Label1");
    Label1->onClick = [this](Control*) { Label1Click(); };

    column_ = std::make_unique<PagedColumn>(this, kind, pager_, repeat_,
                                            ColumnArrows{"l3", "l7", "l8", "l4", L.lineUp, L.pageUp,
                                                         L.pageDown, L.lineDown, settings.pressedUp,
                                                         settings.pressedDown, kUp, kDown},
                                            [this] { Label1Click(); });
    l3 = column_->lineUpSpot;
    l7 = column_->pageUpSpot;
    l8 = column_->pageDownSpot;
    l4 = column_->lineDownSpot;
    pressedUp = column_->pressedUp;
    pressedDown = column_->pressedDown;
    t2 = repeat_.timer();

    m2 = layoutImage(this, kind, "m2", toRect(L.back));
    l2 = hotSpot(this, "l2", toRect(L.back), 2);
    l2->onClick = [this](Control*) { l2Click(); };
    l2->onMouseMove = [this](Control*) { l2MouseMove(); };
    backHover_ = HoverPicture::raised(state.backHover, m2, l2);
    search = layoutImage(this, kind, settings.searchName, toRect(L.search));
    search->setPointer(2);
    search->onClick = [this](Control*) { searchClick(); };
    search->onMouseMove = [this](Control*) { searchMouseMove(); };
    searchHover_ = HoverPicture::swapped(state.searchHover, search, kSearchHover, kSearchNormal,
                                         HoverPicture::Order::FlagThenLoad);

    setSearchHost(settings.searchSource, this);
}

TopicListScreen::~TopicListScreen() = default;

std::pair<const char*, const char*> TopicListScreen::topicFiles() const
{
    return {settings_.topicFile, settings_.titlesFile};
}

void TopicListScreen::bringForwardOnPress(QWidget* widget)
{
    column_->onPressed = [widget] { widget->raise(); };
}

void TopicListScreen::FormCreate()
{
    state_ = TopicListState{};
    column_->putAwayPressed();
    backHover_.putAway();
    for (LabelControl* row : rows) {
        row->setTransparent(true);
        row->setGlyphText({}, settings_.rowFace, settings_.rowSize, settings_.rowColor,
                          Qt::AlignRight);
    }

    std::vector<NavStop> order;
    const QPoint rowOffset(settings_.rowPointerOffset, 0);
    for (LabelControl* row : rows)
        order.push_back({row, row, rowOffset});
    for (const char* name : settings_.cycle) {
        auto* target = static_cast<Control*>(cycleTarget(name));
        order.push_back({target, target});
    }
    nav_ = std::make_unique<KeyboardNav>(this, state_.keyPosition, std::move(order));

    // Whatever fails, the list shows what it could read before the error
    // is reported.
    std::exception_ptr failure;
    try {
        const ContentDir& dir = ContentDir::current();
        if (settings_.openerFilesFor)
            loadReaderFiles(openerFiles(settings_.openerFilesFor), dir, settings_.readerFiles);
        const auto [topicName, titlesName] = topicFiles();
        const IndexList topics = IndexList::load(dir, topicName);
        const DataFile titles = DataFile::open(dir, titlesName);
        entries_.scan(topics, titles, settings_.rules, group());
    } catch (...) {
        failure = std::current_exception();
    }
    pager_.setCount(entries_.count());
    Label1Click();
    afterCreate();
    if (failure)
        std::rethrow_exception(failure);
}

void TopicListScreen::FormShow()
{
    state_.magnifier = 0;
    magnifier_->moveAway();
}

void TopicListScreen::FormActivate()
{
    backHover_.putAway();
}

QWidget* TopicListScreen::cycleTarget(const char* name) const
{
    for (QWidget* w :
         {static_cast<QWidget*>(l3), static_cast<QWidget*>(l7), static_cast<QWidget*>(l8),
          static_cast<QWidget*>(l4), static_cast<QWidget*>(l2), static_cast<QWidget*>(search)})
        if (w->objectName() == QLatin1String(name))
            return w;
    return l2;
}

void TopicListScreen::Label1Click()
{
    const std::vector<int> shown = pager_.window();
    std::size_t j = 0;
    for (int i : shown) {
        LabelControl* row = rows[j++];
        row->show();
        row->setGlyphText(entries_.title(i), settings_.rowFace, settings_.rowSize,
                          settings_.rowColor, Qt::AlignRight);
        row->Tag = entries_.number(i);
    }
    if (settings_.hideEmptyRows)
        for (; j < rows.size(); ++j)
            rows[j]->hide();
    afterShow();
}

void TopicListScreen::ls1Click(LabelControl* row)
{
    // A hidden row can only be reached by Enter over its place: it holds no entry.
    if (row->isHidden())
        return;
    Globals& g = globals();
    g.CurrentTitle = row->glyphText();
    g.CurrentItem = row->Tag + settings_.itemOffset;
    openKind(settings_.reader);
}

void TopicListScreen::Label4MouseMove(LabelControl* row)
{
    const bool rowFont = settings_.magnifierTakesRowFont;
    magnifier_->over(row, GlyphFont::get(settings_.rowFace, settings_.rowSize),
                     {rowFont ? settings_.rowFace : settings_.magnifierFace,
                      rowFont ? settings_.rowSize : settings_.magnifierSize, settings_.rowColor,
                      settings_.magnifierBack});
}

void TopicListScreen::m1MouseMove()
{
    magnifier_->hide();
    searchHover_.leave();
    repeat_.backgroundMove();
    backHover_.leave();
}

void TopicListScreen::l2MouseMove()
{
    backHover_.enter();
}

void TopicListScreen::l2Click()
{
    release();
}

void TopicListScreen::searchMouseMove()
{
    searchHover_.enter();
}

void TopicListScreen::searchClick()
{
    // The dialog is modal: it finds this list through searchHost(SearchSource),
    // hands hits back to it, and returns when it closes.
    globals().SearchSource = settings_.searchSource;
    openKind("sear");
    repaint();
}

void TopicListScreen::hoverCleanUp()
{
    if (!settings_.keyPositionIsRepeat)
        return;
    int backPosition = 0;
    for (std::size_t i = 0; i < settings_.cycle.size(); ++i)
        if (std::strcmp(settings_.cycle[i], "l2") == 0)
            backPosition = static_cast<int>(rows.size() + 1 + i);
    if (state_.keyPosition != backPosition)
        backHover_.leave();
}

std::string TopicListScreen::copyGlyphs() const
{
    return ClipboardText::pointedRow(this, rows);
}

void TopicListScreen::FormKeyDown(int key)
{
    if (nav_)
        nav_->keyDown(
            key, [this] { l2->click(); }, [this] { hoverCleanUp(); });
    // The arrows are the hot spots'; the page keys page the list.
    const KeyMove move = ReadingKeys::move(key);
    const bool paging = move == KeyMove::PageUp || move == KeyMove::PageDown ||
                        move == KeyMove::Home || move == KeyMove::End;
    if (paging && ReadingKeys::page(pager_, move))
        Label1Click();
}

} // namespace ovta
