#include "reading/topic_list_screen.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <cmath>
#include <cstring>
#include <exception>

#include "shell/screen_parts.h"
#include "search/search_dialog.h"
#include "shell/globals.h"
#include "shell/pointer.h"
#include "shell/screen_registry.h"
#include "shell/trace.h"

namespace ovta {
namespace {

constexpr int kUp = 1;
constexpr int kDown = 2;
constexpr int kHidden = 1000; // the magnifier's top when out of sight

} // namespace

TopicListScreen::TopicListScreen(const TopicListMember& member, State& state)
    : Screen(member.kind), member_(member), state_(state),
      pager_(Pager::list(9, globals().ListTop)),
      repeat_(member.keyPositionIsRepeat ? state.keyPosition : state.repeatDirection)
{
    const char* kind = member.kind;
    m1 = layoutImage(this, kind, "m1", QRect(0, 0, 640, 480));
    m1->onMouseMove = [this](Control*) { m1MouseMove(); };

    for (int k = 0; k < 9; ++k) {
        const QRect at = member.firstRow.translated(0, member.rowStep * k);
        auto* row = hotSpot(this, "", at, -1);
        row->setObjectName(QStringLiteral("ls%1").arg(k + 1));
        row->onClick = [this, row](Control*) { ls1Click(row); };
        row->onMouseMove = [this, row](Control*) { Label4MouseMove(row); };
        rows[static_cast<std::size_t>(k)] = row;
    }
    labcamov =
        new LabelControl(this, QStringLiteral("labcamov"),
                         QRect(member.firstRow.left(), kHidden, 10, member.firstRow.height()));
    labcamov->setTransparent(true);
    labcamov->setPointer(-1);
    Label1 = operationLabel(this, "Label1");
    Label1->onClick = [this](Control*) { Label1Click(); };

    l3 = mouseHotSpot(this, "l3", member.l3, -1);
    l3->setToolTip(QStringLiteral("line up"));
    l3->onClick = [this](Control*) { l3Click(); };
    l3->onMouseDown = [this](Control*) { l3MouseDown(l3->leftButton()); };
    l3->onMouseUp = [this](Control*) { l3MouseUp(l3->leftButton()); };
    l4 = mouseHotSpot(this, "l4", member.l4, -1);
    l4->setToolTip(QStringLiteral("line down"));
    l4->onClick = [this](Control*) { l4Click(); };
    l4->onMouseDown = [this](Control*) { l4MouseDown(l4->leftButton()); };
    l4->onMouseUp = [this](Control*) { l4MouseUp(l4->leftButton()); };
    l7 = hotSpot(this, "l7", member.l7, -1);
    l7->setToolTip(QStringLiteral("page up"));
    l7->onClick = [this](Control*) { l7Click(); };
    l8 = hotSpot(this, "l8", member.l8, -1);
    l8->setToolTip(QStringLiteral("page down"));
    l8->onClick = [this](Control*) { l8Click(); };
    pressedUp = layoutImage(this, kind, member.pressedUp, member.pressedUpAt);
    pressedDown = layoutImage(this, kind, member.pressedDown, member.pressedDownAt);

    m2 = layoutImage(this, kind, "m2", member.backAt);
    l2 = hotSpot(this, "l2", member.backAt, 2);
    l2->onClick = [this](Control*) { l2Click(); };
    l2->onMouseMove = [this](Control*) { l2MouseMove(); };
    search = layoutImage(this, kind, member.searchName, member.searchAt);
    search->setPointer(2);
    search->onClick = [this](Control*) { searchClick(); };
    search->onMouseMove = [this](Control*) { searchMouseMove(); };

    t2 = new Timer(this, 100, false, [this] { t2Timer(); });
    setSearchHost(member.searchSource, this);
}

TopicListScreen::~TopicListScreen() = default;

void TopicListScreen::buildRows()
{
    for (LabelControl* row : rows) {
        row->setTransparent(true);
        row->setGlyphText({}, member_.rowFace, member_.rowSize, member_.rowColor, Qt::AlignRight);
    }
}

void TopicListScreen::FormCreate()
{
    state_.magnifier = state_.backHover = state_.searchHover = 0;
    state_.keyPosition = state_.repeatDirection = state_.dragFlag = 0;
    pressedUp->sendToBack();
    pressedDown->sendToBack();
    m2->sendToBack();
    buildRows();

    order_.clear();
    for (LabelControl* row : rows)
        order_.push_back({row, row});
    for (const char* name : member_.cycle) {
        auto* target = static_cast<Control*>(cycleTarget(name));
        order_.push_back({target, target});
    }
    nav_ = std::make_unique<KeyboardNav>(this, state_.keyPosition, order_);

    // Whatever fails, the list shows what it could read before the error
    // is reported.
    std::exception_ptr failure;
    try {
        const ContentDir& dir = ContentDir::current();
        if (member_.openerFilesFor)
            loadReaderFiles(openerFiles(member_.openerFilesFor), dir, member_.readerFiles);
        const auto [topicName, titlesName] = topicFiles();
        const IndexList topics = IndexList::load(dir, topicName);
        const DataFile titles = DataFile::open(dir, titlesName);
        entries_.scan(topics, titles, member_.rules, group());
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
    labcamov->move(labcamov->x(), kHidden);
}

void TopicListScreen::FormActivate()
{
    m2->sendToBack();
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
        row->setGlyphText(entries_.title(i), member_.rowFace, member_.rowSize, member_.rowColor,
                          Qt::AlignRight);
        row->Tag = entries_.number(i);
    }
    if (member_.hideEmptyRows)
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
    g.CurrentItem = row->Tag + member_.itemOffset;
    openKind(member_.reader);
}

void TopicListScreen::l3Click()
{
    if (pager_.lineUp())
        Label1Click();
}

void TopicListScreen::l4Click()
{
    if (pager_.lineDown())
        Label1Click();
}

void TopicListScreen::l7Click()
{
    if (pager_.pageUp())
        Label1Click();
}

void TopicListScreen::l8Click()
{
    if (pager_.pageDown())
        Label1Click();
}

void TopicListScreen::press(int code, ImageControl* picture, bool left)
{
    if (!repeat_.press(code, left))
        return;
    t2->start();
    picture->bringToFront();
    arrowPressed();
}

void TopicListScreen::unpress(ImageControl* picture, bool left)
{
    if (!repeat_.release(left))
        return;
    t2->stop();
    picture->sendToBack();
}

void TopicListScreen::l3MouseDown(bool left)
{
    press(kUp, pressedUp, left);
}
void TopicListScreen::l3MouseUp(bool left)
{
    unpress(pressedUp, left);
}
void TopicListScreen::l4MouseDown(bool left)
{
    press(kDown, pressedDown, left);
}
void TopicListScreen::l4MouseUp(bool left)
{
    unpress(pressedDown, left);
}

void TopicListScreen::t2Timer()
{
    const int code = repeat_.tick();
    if (code == kUp)
        l3Click();
    else if (code == kDown)
        l4Click();
}

void TopicListScreen::Label4MouseMove(LabelControl* row)
{
    const GlyphFont& rowFont = GlyphFont::get(member_.rowFace, member_.rowSize);
    const std::string& caption = row->glyphText();
    if (rowFont.width(caption) > row->width()) {
        if (row->Tag == state_.magnifier)
            return;
        state_.magnifier = row->Tag;
        const GlyphFace face =
            member_.magnifierTakesRowFont ? member_.rowFace : member_.magnifierFace;
        const int size = member_.magnifierTakesRowFont ? member_.rowSize : member_.magnifierSize;
        const int width =
            static_cast<int>(std::ceil(GlyphFont::get(face, size).width(caption))) + 4;
        labcamov->setColor(member_.magnifierBack);
        labcamov->setTransparent(false);
        labcamov->setGlyphText(caption, face, size, member_.rowColor, Qt::AlignRight);
        labcamov->setGeometry(row->x() + row->width() - width, row->y(), width, row->height());
        labcamov->bringToFront();
        row->bringToFront();
        return;
    }
    labcamov->setGlyphText({}, member_.magnifierFace, member_.magnifierSize, member_.rowColor);
    labcamov->setTransparent(true);
    state_.magnifier = 0;
}

void TopicListScreen::m1MouseMove()
{
    if (state_.magnifier != 0) {
        state_.magnifier = 0;
        labcamov->move(labcamov->x(), kHidden);
        labcamov->setTransparent(true);
    }
    if (state_.searchHover) {
        state_.searchHover = 0;
        search->loadPicture("data1\\kenorb1.bmp");
    }
    repeat_.backgroundMove();
    if (state_.backHover) {
        state_.backHover = 0;
        m2->sendToBack();
    }
}

void TopicListScreen::l2MouseMove()
{
    if (state_.backHover)
        return;
    state_.backHover = 1;
    m2->bringToFront();
    l2->bringToFront();
}

void TopicListScreen::l2Click()
{
    release();
}

void TopicListScreen::searchMouseMove()
{
    if (state_.searchHover)
        return;
    state_.searchHover = 1;
    search->loadPicture("data1\\kenorb2.bmp");
}

void TopicListScreen::searchClick()
{
    globals().SearchSource = member_.searchSource;
    openSearchDialog();
    repaint();
}

void TopicListScreen::openSearchDialog()
{
    // Modal: returns when the dialog closes. The dialog finds this list
    // through searchHost(SearchSource) and hands hits back to it.
    ovta::openSearchDialog(globals().SearchSource);
}

void TopicListScreen::placePointer(int position)
{
    QWidget* target = order_[static_cast<std::size_t>(position - 1)].target;
    QPoint centre(target->width() / 2, target->height() / 2);
    if (position <= 9)
        centre.rx() += member_.rowPointerOffset;
    const QPoint desktop = target->mapToGlobal(centre);
    pointer().setPos(desktop);
    if (QCursor::pos() == desktop)
        return;
    // The platform kept the pointer where it was: the control under the
    // kept position still gets its move, so hover effects follow the keys.
    const QPoint local = mapFromGlobal(desktop);
    QWidget* under = childAt(local);
    if (!under)
        under = this;
    QMouseEvent move(QEvent::MouseMove, under->mapFrom(this, local), desktop, Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(under, &move);
}

void TopicListScreen::FormKeyDown(int key)
{
    if (!nav_)
        return;
    if (key == 27)
        l2->click();
    const int n = static_cast<int>(order_.size());
    if (key == 38 || key == 40 || key == 9) {
        state_.keyPosition = stepPosition(state_.keyPosition, key == 38 ? -1 : 1, n);
        placePointer(state_.keyPosition);
    }
    if (key == 13)
        nav_->enter();
    int backPosition = 0;
    for (std::size_t i = 0; i < member_.cycle.size(); ++i)
        if (std::strcmp(member_.cycle[i], "l2") == 0)
            backPosition = 10 + static_cast<int>(i);
    if (member_.keyPositionIsRepeat && state_.keyPosition != backPosition && state_.backHover) {
        state_.backHover = 0;
        m2->sendToBack();
    }
}

} // namespace ovta
