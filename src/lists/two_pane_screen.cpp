#include "lists/two_pane_screen.h"

#include "shell/clipboard_text.h"
#include "shell/globals.h"
#include "shell/layout_picture.h"
#include "shell/pointer.h"
#include "shell/reading_keys.h"
#include "shell/screen_registry.h"
#include "shell/trace.h"

namespace ovta {
namespace {

constexpr const char* kSearchHover = "data1\\kenorb2.bmp";
constexpr const char* kSearchNormal = "data1\\kenorb1.bmp";
constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kEsc = 27;
constexpr int kUp = 38;
constexpr int kDown = 40;

} // namespace

TwoPaneScreen::TwoPaneScreen(const TwoPaneSettings& settings, TwoPaneState& state)
    : Screen(settings.kind), settings_(settings), state_(state), titles_(settings.kind),
      listPager_(Pager::openList(9, globals().ListTop)),
      textPager_(Pager::pane(settings.textRows, settings.textRows, settings.textRows - 1)),
      repeat_(this, state.RepeatCode)
{
    const char* kind = settings.kind;
    const layout::TwoPaneLayout& L = *settings.layout;
    m1 = layoutImage(this, kind, "m1", QRect(0, 0, 640, 480));
    m1->onMouseMove = [this](Control*) { m1MouseMove(); };

    const auto made =
        PagedColumn::makeRows(this, 9, "Label", 2, [&L](int k) { return toRect(L.row(k)); });
    for (std::size_t k = 0; k < rows.size(); ++k) {
        LabelControl* row = made[k];
        row->onClick = [this, row](Control*) { Label2Click(row); };
        rows[k] = row;
    }

    // The text is drawn in the pane's own font; the lines it is kept in are
    // wrapped at the pane's width in that font, less the blanks put around
    // each line and the one a wrapped line keeps at its end, so that no line
    // runs past the pane's edge.
    lmtn = new GlyphTextBox(this, QStringLiteral("lmtn"), toRect(L.text), settings.textFace,
                            settings.textSize, settings.textColor, L.textRowHeight);
    const GlyphFace face = settings.textFace;
    const int size = settings.textSize;
    me3_.setMeasure(
        [face, size](std::string_view s) { return qRound(GlyphFont::get(face, size).width(s)); },
        L.text.w - 3 * qRound(GlyphFont::get(face, size).width(" ")));

    lablst1 = operationLabel(this, "lablst1");
    lablst1->onClick = [this](Control*) { lablst1Click(); };
    labmtn = operationLabel(this, "labmtn");
    labmtn->onClick = [this](Control*) { labmtnClick(); };

    const auto& P = settings.pressed;
    const layout::ArrowColumn& LA = L.listArrows;
    listColumn_ = std::make_unique<PagedColumn>(this, kind, listPager_, repeat_,
                                                ColumnArrows{"luptrs", "luptrp", "ldntrp", "ldntrs",
                                                             LA.lineUp, LA.pageUp, LA.pageDown,
                                                             LA.lineDown, P[0], P[1], 1, 2},
                                                [this] { lablst1Click(); });
    const layout::ArrowColumn& TA = L.textArrows;
    textColumn_ = std::make_unique<PagedColumn>(this, kind, textPager_, repeat_,
                                                ColumnArrows{"lupmts", "lupmtp", "ldnmtp", "ldnmts",
                                                             TA.lineUp, TA.pageUp, TA.pageDown,
                                                             TA.lineDown, P[2], P[3], 3, 4},
                                                [this] { labmtnClick(); });
    luptrs = listColumn_->lineUpSpot;
    luptrp = listColumn_->pageUpSpot;
    ldntrp = listColumn_->pageDownSpot;
    ldntrs = listColumn_->lineDownSpot;
    lupmts = textColumn_->lineUpSpot;
    lupmtp = textColumn_->pageUpSpot;
    ldnmtp = textColumn_->pageDownSpot;
    ldnmts = textColumn_->lineDownSpot;
    pressedPictures = {listColumn_->pressedUp, listColumn_->pressedDown, textColumn_->pressedUp,
                       textColumn_->pressedDown};
    t2 = repeat_.timer();

    search = layoutImage(this, kind, settings.searchName, toRect(L.search));
    search->setPointer(2);
    search->onClick = [this](Control*) { searchClick(); };
    search->onMouseMove = [this](Control*) { searchMouseMove(); };
    searchHover_ = HoverPicture::swapped(state.searchHover, search, kSearchHover, kSearchNormal);

    m6 = layoutImage(this, kind, "m6", toRect(L.close));
    Label1 = hotSpot(this, "Label1", toRect(L.close), 2);
    Label1->onClick = [this](Control*) { Label1Click(); };
    Label1->onMouseMove = [this](Control*) { Label1MouseMove(); };
    closeHover_ = HoverPicture::raised(state.closeHover, m6, Label1);

    setSearchHost(settings.searchSource, this);
}

TwoPaneScreen::~TwoPaneScreen() = default;

void TwoPaneScreen::buildNavigation()
{
    std::vector<NavStop> order;
    for (LabelControl* row : rows)
        order.push_back({row, row});
    for (Control* arrow : std::initializer_list<Control*>{luptrs, luptrp, ldntrp, ldntrs, lupmts,
                                                          lupmtp, ldnmtp, ldnmts})
        order.push_back({arrow, arrow});
    for (Control* extra : extraTargets())
        order.push_back({extra, extra});
    order.push_back({search, search});
    searchPosition_ = static_cast<int>(order.size());
    order.push_back({Label1, Label1});
    closePosition_ = static_cast<int>(order.size());
    navTargets_.clear();
    for (const NavStop& stop : order)
        navTargets_.push_back(stop.hotSpot);
    nav_ = std::make_unique<KeyboardNav>(this, state_.RepeatCode, std::move(order));
}

int TwoPaneScreen::keyPosition() const
{
    return state_.RepeatCode;
}

void TwoPaneScreen::FormShow()
{
    listColumn_->putAwayPressed();
    textColumn_->putAwayPressed();
    openRow_ = nullptr;
    closeHover_.putAway();
    for (LabelControl* row : rows) {
        row->setTransparent(true);
        row->hide();
    }
    if (!nav_)
        buildNavigation();
    loadOnShow();
}

void TwoPaneScreen::FormActivate()
{
    pointer().setPos(mapToGlobal(QPoint(width() / 2, height() / 2)));
    state_.RepeatCode = 0;
    setFocus(Qt::OtherFocusReason);
}

void TwoPaneScreen::listFilled()
{
    listPager_.setCount(titles_.count());
    lablst1Click();
}

void TwoPaneScreen::paintRow(LabelControl* row, const QColor& color)
{
    row->setGlyphText(row->glyphText(), settings_.rowFace, settings_.rowSize, color,
                      Qt::AlignRight);
}

void TwoPaneScreen::lablst1Click()
{
    std::size_t j = 0;
    for (int i : listPager_.window()) {
        LabelControl* row = rows[j++];
        row->setGlyphText(titles_.title(i), settings_.rowFace, settings_.rowSize,
                          settings_.rowColor, Qt::AlignRight);
        row->Tag = titles_.record(i);
        row->show();
    }
    for (; j < rows.size(); ++j) {
        rows[j]->setGlyphText({}, settings_.rowFace, settings_.rowSize, settings_.rowColor,
                              Qt::AlignRight);
        rows[j]->hide();
    }
    openRow_ = nullptr;
    // The pane and the lines behind it go together: the text arrows have
    // nothing to bring back until a row is opened again.
    me3_.clear();
    textPager_.setCount(0);
    lmtn->setText({});
}

void TwoPaneScreen::labmtnClick()
{
    lmtn->setText(paneCaption(me3_.lines(), textPager_.top(), settings_.textRows, " "));
}

void TwoPaneScreen::Label2Click(LabelControl* row)
{
    // A hidden row holds no title; Enter over its place reaches it all the same.
    if (row == openRow_ || row->isHidden())
        return;
    // Read first: a text that cannot be read leaves the open row and its
    // text as they were, rather than a new row lit over the old text.
    const std::string text = rowText(row->Tag);
    if (openRow_)
        paintRow(openRow_, settings_.rowColor);
    paintRow(row, settings_.openColor);
    openRow_ = row;
    me3_.setText(text);
    textPager_.setCount(me3_.count());
    if (trace::enabled())
        trace::line(std::string("open text ") + kind() + " record=" + std::to_string(row->Tag) +
                    " lines=" + std::to_string(me3_.count()));
    labmtnClick();
}

void TwoPaneScreen::m1MouseMove()
{
    repeat_.backgroundMove();
    closeHover_.leave();
    searchHover_.leave();
}

void TwoPaneScreen::Label1MouseMove()
{
    closeHover_.enter();
}

void TwoPaneScreen::Label1Click()
{
    release();
}

void TwoPaneScreen::searchMouseMove()
{
    searchHover_.enter();
}

void TwoPaneScreen::searchClick()
{
    // The dialog is modal: it finds this screen through searchHost(SearchSource),
    // hands hits back to it, and returns when it closes.
    globals().SearchSource = settings_.searchSource;
    openKind("sear");
    repaint();
}

void TwoPaneScreen::hoverCleanUp()
{
    if (state_.RepeatCode != closePosition_)
        closeHover_.leave();
    if (settings_.keysRestoreSearch && state_.RepeatCode != searchPosition_)
        searchHover_.leave();
}

// The arrows pass over rows that hold no title. The pointer put on a hidden
// row would rest on the background, whose move clears the position the keys
// share with the repeat, and Down could never get past it.
void TwoPaneScreen::step(int delta)
{
    const int n = nav_->count();
    int position = state_.RepeatCode;
    for (int tries = 0; tries < n; ++tries) {
        position = stepPosition(position, delta, n);
        if (!navTargets_[static_cast<std::size_t>(position - 1)]->isHidden())
            break;
    }
    nav_->moveTo(position);
}

// The arrows and Enter belong to the hot-spot navigation; the page keys
// move the text pane.
void TwoPaneScreen::textKey(int key)
{
    const KeyMove move = ReadingKeys::move(key);
    const bool pageKey = move == KeyMove::PageUp || move == KeyMove::PageDown ||
                         move == KeyMove::Home || move == KeyMove::End;
    if (pageKey && ReadingKeys::page(textPager_, move))
        labmtnClick();
}

std::string TwoPaneScreen::copyGlyphs() const
{
    if (!openRow_)
        return {};
    return ClipboardText::titled(openRow_->glyphText(), me3_.text());
}

void TwoPaneScreen::FormKeyDown(int key)
{
    if (!nav_)
        buildNavigation();
    switch (key) {
    case kEsc: Label1->click(); return;
    case kUp:
    case kDown: step(key == kUp ? -1 : 1); break;
    case kEnter: nav_->enter(); break;
    case kTab:
        // Tab puts the pointer on the current target again.
        nav_->moveTo(state_.RepeatCode);
        break;
    default: textKey(key); return;
    }
    hoverCleanUp();
}

} // namespace ovta
