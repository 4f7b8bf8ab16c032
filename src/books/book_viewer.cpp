#include "books/book_viewer.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <exception>

#include "books/repeat_codes.h"
#include "shell/clipboard_text.h"
#include "shell/globals.h"
#include "shell/layout_picture.h"
#include "shell/screen_registry.h"
#include "shell/trace.h"
#include "store/content_dir.h"
#include "store/errors.h"

namespace ovta {
namespace {

const bool registered = registerKinds<Tfrm14, Tfrm64, Tfrm7, Tfrm410>() &&
                        registerHeadingOpeners<Tfrm14, Tfrm64, Tfrm7, Tfrm410>();

const QColor kMaroon(128, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kListBack(252, 246, 226);
constexpr int kTitleSize = -24;
constexpr int kPaneSize = -19;
constexpr int kPathRowHeight = 23;
// Room for the blank on either side of every line after the first.
constexpr int kTextFrame = 10;
constexpr int kListItemHeight = 23;
constexpr int kEsc = 27;
constexpr int kEnter = 13;
constexpr int kTab = 9;

int bookNumber(BookChoice choice)
{
    switch (choice) {
    case BookChoice::OneBook: return 0;
    case BookChoice::CurrentBook: return globals().CurrentBook;
    case BookChoice::CurrentItem: return globals().CurrentItem;
    }
    return 0;
}

// Looked up at each measure: the shared font of a face goes when the faces
// are installed again.
TextWidth widthIn(GlyphFace face, int size)
{
    return [face, size](std::string_view s) {
        return static_cast<int>(std::ceil(GlyphFont::get(face, size).width(s)));
    };
}

} // namespace

BookViewer::BookViewer(const BookViewerSettings& settings, BookViewerState& state)
    : Screen(settings.kind), state_(state), settings_(settings),
      layout_(bookViewerLayout(settings.kind)),
      model_(std::make_unique<BookModel>(settings.screen, bookNumber(settings.book),
                                         globals().titleTable)),
      repeat_(this, state.repeatCode)
{
    const char* kind = settings.kind;
    m6 = layoutImage(this, "books", "m6", toRect(layout_.exitHover));
    m1 = layoutImage(this, kind, "m1", QRect(0, 0, 640, 480));
    m1->onMouseMove = [this](Control*) { stripMouseMove(); };

    Label4 = new LabelControl(this, QStringLiteral("Label4"), toRect(layout::kBookTitle));
    Label4->setTransparent(true);
    lcap = new GlyphTextBox(this, QStringLiteral("lcap"), toRect(layout_.path), GlyphFace::Glyf01,
                            settings.pathSize, settings.pathColor, kPathRowHeight);
    lcap->setTransparent(true);
    lcap->onMouseMove = [this](Control*) { stripMouseMove(); };

    Image1 = layoutImage(this, "books", "Image1", QRect(-100, -100, 15, 27));
    Image2 = layoutImage(this, "books", "Image2", QRect(-100, -100, 15, 27));
    Image1->hide();
    Image2->hide();
    strip_ = std::make_unique<BookStrip>(this, state.magnified);
    strip_->onRowClick = [this](int k, int j) { LaevDblClick(k, j); };
    strip_->onRowMove = [this](int k, int j) { Label3MouseMove(k, j); };
    strip_->onArrowPress = [this](MouseImage* a) { Label2MouseDown(a); };
    strip_->onArrowRelease = [this](MouseImage* a) { Label2MouseUp(a); };
    strip_->onArrowClick = [this](int code) {
        const RepeatAction a = repeatAction(code);
        a.move == RepeatMove::ColumnUp ? mapClick(a.column) : mdpClick(a.column);
    };
    strip_->onBackgroundMove = [this] { exitHover_.leave(); };
    for (int k = 1; k <= BookColumns::Columns; ++k) {
        repeat_.bind(upArrowCode(k), [this, k] { mapClick(k); });
        repeat_.bind(downArrowCode(k), [this, k] { mdpClick(k); });
    }
    t1 = repeat_.timer();

    m2 = hotSpot(this, "m2", toRect(layout::kStripLeftArrow), 2);
    m2->onClick = [this](Control*) { m2Click(); };
    m3 = hotSpot(this, "m3", toRect(layout::kStripRightArrow), 2);
    m3->onClick = [this](Control*) { m3Click(); };

    buildPane();

    Label1 = hotSpot(this, "Label1", toRect(layout_.exit), 2);
    Label1->onClick = [this](Control*) { Label1Click(); };
    Label1->onMouseMove = [this](Control*) { Label1MouseMove(); };
    exitHover_ = HoverPicture::raised(state.exitHover, m6, Label1);

    keyFrame =
        new FrameShape(strip_->Panel2, QStringLiteral("keyFrame"), QRect(), QColor(0, 0, 128), 2);
    keyFrame->hide();
}

BookViewer::~BookViewer() = default;

void BookViewer::buildPane()
{
    const ScreenSettings& model = model_->settings();
    pane_ = std::make_unique<PagedColumn>(
        this, settings_.kind, model_->panePager(), repeat_,
        ColumnArrows{"lupmts", "lupmtp", "ldnmtp", "ldnmts", layout_.lineUp, layout_.pageUp,
                     layout_.pageDown, layout_.lineDown, "m4", "m5", kLineUpCode, kLineDownCode},
        [this] { lablstClick(); });
    lupmts = pane_->lineUpSpot;
    lupmtp = pane_->pageUpSpot;
    ldnmtp = pane_->pageDownSpot;
    ldnmts = pane_->lineDownSpot;
    m4 = pane_->pressedUp;
    m5 = pane_->pressedDown;
    for (LabelControl* spot :
         {static_cast<LabelControl*>(lupmts), lupmtp, ldnmtp, static_cast<LabelControl*>(ldnmts)})
        spot->setPointer(2);

    switch (model.pane) {
    case PaneKind::ArticleWindow: buildArticleRows(); break;
    case PaneKind::ArticleListBox: buildQuestionList(); break;
    case PaneKind::BodyWindow: buildBodyWindow(); break;
    }
    if (model.content == NodeContent::BodyAndPassages)
        buildPassageChooser();
    if (model.content == NodeContent::ArticleRange)
        buildArticleSteps();
}

void BookViewer::buildArticleRows()
{
    for (int j = 1; j <= ArticleWindow::Rows; ++j) {
        auto* row =
            new LabelControl(this, QStringLiteral("lis%1").arg(j), toRect(layout::articleRow(j)));
        row->setTransparent(true);
        row->setPointer(2);
        row->onClick = [this, j](Control*) { lablstDblClick(j); };
        row->hide();
        lis[static_cast<std::size_t>(j - 1)] = row;
    }
}

void BookViewer::buildQuestionList()
{
    ls2 = new TitleListBox(this, QStringLiteral("ls2"), toRect(layout::kQuestionList),
                           kListItemHeight, kListBack);
    ls2->setPointer(2);
    ls2->onDrawItem = [this](QPainter& p, int index, const QRect& rect, bool selected) {
        p.fillRect(rect, selected ? QColor(0, 0, 128) : ls2->background());
        const std::string& title = ls2->item(index).text;
        const GlyphFont& font = GlyphFont::get(GlyphFace::Glyf01, kPaneSize);
        const qreal x = ls2->width() + rect.left() - font.width(title) - 25;
        p.setPen(selected ? Qt::white : kMaroon);
        font.draw(p, QPointF(x, rect.top() + font.ascent()), title);
    };
    ls2->onDoubleClick = [this](Control*) { ls2DblClick(); };
    ls2->onKeyDown = [this](int key) { paneKey(key); };
    // The hot spots of the list move nothing; they show no hint either.
    for (LabelControl* spot :
         {static_cast<LabelControl*>(lupmts), lupmtp, ldnmtp, static_cast<LabelControl*>(ldnmts)}) {
        spot->setToolTip({});
        spot->setPointer(0);
    }
    ldntrs = hotSpot(this, "ldntrs", toRect(layout::kColumnOneDown), 2);
    ldntrs->setToolTip(QString::fromUtf8("موضوع للأسفل"));
    ldntrs->onClick = [this](Control*) { ldntrsClick(); };
}

void BookViewer::buildBodyWindow()
{
    const int rows = model_->settings().paneRows;
    lmtn = new GlyphTextBox(this, QStringLiteral("lmtn"), toRect(layout_.text), GlyphFace::Glyf01,
                            settings_.textSize, kMaroon, layout_.text.h / rows);
    lmtn->setTransparent(true);
    lmtn->onMouseMove = [this](Control*) { strip_->hideMagnifier(); };
}

void BookViewer::buildPassageChooser()
{
    co1 = new GlyphChooser(this, QStringLiteral("co1"), toRect(layout::kPassageChooser),
                           GlyphFace::Glyf01, kPaneSize, kMaroon);
    co1->onClick = [this](Control*) { co1Click(); };
    co1->onChange = [this](Control*) { co1Change(); };
    co1->onKeyDown = [this](int key) { paneKey(key); };
    Panel3 = new LoweredPanel(this, QStringLiteral("Panel3"), toRect(layout::kPassageName),
                              QColor(0, 120, 215));
    L_name = new LabelControl(Panel3, QStringLiteral("L_name"),
                              QRect(0, 0, layout::kPassageName.w, layout::kPassageName.h));
    L_name->setTransparent(true);
    // The name panel covers the chooser's box: a click on it opens the list.
    Panel3->onClick = [this](Control*) { co1->dropDown(); };
    L_name->onClick = [this](Control*) { co1->dropDown(); };
}

void BookViewer::buildArticleSteps()
{
    Image3 = layoutImage(this, "books", "Image3", toRect(layout::kPreviousArticle));
    Image4 = layoutImage(this, "books", "Image4", toRect(layout::kNextArticle));
    const struct {
        MouseLabel*& spot;
        ImageControl* pressed;
        const char* name;
        layout::Box box;
        int code;
    } steps[] = {{Label7, Image3, "Label7", layout::kPreviousArticle, kPreviousArticleCode},
                 {Label8, Image4, "Label8", layout::kNextArticle, kNextArticleCode}};
    for (const auto& s : steps) {
        MouseLabel* spot = mouseHotSpot(this, s.name, toRect(s.box), 2);
        ImageControl* pressed = s.pressed;
        const int code = s.code;
        spot->Tag = code;
        spot->onMouseDown = [this, spot, pressed, code](Control*) {
            if (repeat_.press(code, spot->leftButton())) {
                pressed->bringToFront();
                spot->bringToFront();
            }
        };
        spot->onMouseUp = [this, spot, pressed](Control*) {
            if (repeat_.release(spot->leftButton()))
                pressed->sendToBack();
        };
        s.spot = spot;
    }
    Label7->onClick = [this](Control*) { Label7Click(); };
    Label8->onClick = [this](Control*) { Label8Click(); };
    repeat_.bind(kPreviousArticleCode, [this] { Label7Click(); });
    repeat_.bind(kNextArticleCode, [this] { Label8Click(); });
}

template <class F> void BookViewer::step(F&& operation)
{
    try {
        operation();
    } catch (...) {
        redraw();
        throw;
    }
    redraw();
}

void BookViewer::FormCreate()
{
    state_.exitHover = 0;
    state_.repeatCode = 0;
    state_.magnified = 0;
    exitHover_.putAway();
    pane_->putAwayPressed();
    if (Image3) {
        Image3->sendToBack();
        Image4->sendToBack();
    }
    setBookTitle();
    model_->setCaptionMeasure(widthIn(GlyphFace::Glyf01, settings_.pathSize), layout_.path.w);
    // The body text wraps at what the text label shows: the label does not
    // wrap and cuts off whatever is wider than it, so a line store measured
    // in any other font or width would lose the ends of lines.
    if (lmtn)
        model_->setLineStoreMeasure(widthIn(GlyphFace::Glyf01, settings_.textSize),
                                    layout_.text.w - kTextFrame);
    model_->setResetListener([this] { paneReset(); });
    openBook();
}

void BookViewer::openBook()
{
    model_->open(ContentDir::current());
}

void BookViewer::setBookTitle()
{
    std::string title;
    for (int entry : model_->info().titleEntries) {
        if (!title.empty())
            title += kBookTitleSeparator;
        title += globals().titleTable.entry(entry);
    }
    Label4->setGlyphText(title, GlyphFace::Glyf01, kTitleSize, kYellow, Qt::AlignHCenter);
}

void BookViewer::FormShow()
{
    strip_->buildRows();
    strip_->magnifier().moveAway();
    step([this] { model_->start(); });
    if (trace::enabled())
        trace::line(std::string("book ") + settings_.kind + " tree=" + model_->info().files.tree +
                    " nodes=" + std::to_string(model_->tree().count()));
    if (ls2)
        ls2->clear();
    if (settings_.showsPaneAfterStart)
        lablstClick();
}

void BookViewer::FormActivate()
{
    exitHover_.putAway();
    if (ls2)
        ls2->setFocus(Qt::OtherFocusReason);
    else if (co1)
        co1->setFocus(Qt::OtherFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

void BookViewer::FormKeyDown(int key)
{
    if (key == kEsc)
        Label1Click();
    else if (key == kTab && (ls2 || co1))
        // Tab gives the arrows back to the list or the chooser.
        (ls2 ? static_cast<QWidget*>(ls2) : co1)->setFocus(Qt::TabFocusReason);
    else
        readingKey(key);
}

void BookViewer::keyPressEvent(QKeyEvent* event)
{
    if (Label7 && event->modifiers().testFlag(Qt::ControlModifier)) {
        switch (ReadingKeys::move(virtualKey(event->key()))) {
        case KeyMove::Up:
        case KeyMove::PageUp: guard([this] { Label7Click(); }); return;
        case KeyMove::Down:
        case KeyMove::PageDown: guard([this] { Label8Click(); }); return;
        default: break;
        }
    }
    Screen::keyPressEvent(event);
}

std::string BookViewer::copyGlyphs() const
{
    if (lmtn) {
        const std::string& body = model_->body().store().text();
        if (!body.empty())
            return body;
    }
    if (ls2 && ls2->itemIndex() >= 0)
        return ls2->item(ls2->itemIndex()).text;
    std::string row = ClipboardText::pointedRow(this, lis);
    if (row.empty() && cursor_.placed())
        row = model_->columns().column(cursor_.column()).row(cursor_.row()).caption;
    return row;
}

void BookViewer::paneKey(int key)
{
    if (key == kEsc)
        Label1Click();
    // With no question chosen there is none to open (the question screen
    // would only report a row of -1): Enter then opens the strip's framed
    // row, as it does where the list is not.
    else if (key == kEnter && ls2 && ls2->itemIndex() >= 0)
        ls2DblClick();
    // The list and the chooser keep Up and Down; Tab hands the keys to the
    // strip, so that its rows can be walked too.
    else if (key == kTab)
        setFocus(Qt::TabFocusReason);
    else
        readingKey(key);
}

void BookViewer::readingKey(int key)
{
    const KeyMove move = ReadingKeys::move(key);
    switch (move) {
    case KeyMove::Up:
    case KeyMove::Down:
    case KeyMove::Left:
    case KeyMove::Right: cursorMove(move); break;
    case KeyMove::Enter:
        if (!cursor_.placed())
            cursorMove(move);
        else
            LaevDblClick(cursor_.column(), cursor_.row());
        break;
    case KeyMove::PageUp:
    case KeyMove::PageDown:
    case KeyMove::Home:
    case KeyMove::End: paneMove(move); break;
    case KeyMove::None: break;
    }
}

void BookViewer::cursorMove(KeyMove move)
{
    const BookCursor::Step to = cursor_.step(model_->columns(), move);
    if (to.column == 0)
        return;
    bool moved = false;
    if (to.scroll == BookCursor::Scroll::Up)
        moved = model_->scrollUp(to.column);
    else if (to.scroll == BookCursor::Scroll::Down)
        moved = model_->scrollDown(to.column);
    cursor_.moveTo(to.column, to.row);
    if (slideStripTo(to.column))
        moved = true;
    // Only a strip that moved is drawn again: the frame alone does not load
    // the row icons anew (nor name a broken one again at every key).
    if (moved)
        redraw();
    else
        placeKeyFrame();
    strip_->magnify(cursor_.column(), cursor_.row());
}

bool BookViewer::slideStripTo(int k)
{
    // One position at a time, as the strip's arrows move it.
    bool moved = false;
    for (int guard = 0; guard < BookColumns::Columns; ++guard) {
        const int slide = BookCursor::stripMoveFor(k, model_->columns().stripPosition());
        if (slide == 0 || !(slide > 0 ? model_->moveStripRight() : model_->moveStripLeft()))
            break;
        moved = true;
    }
    return moved;
}

void BookViewer::paneMove(KeyMove move)
{
    // The question list pages itself, as list boxes do; its arrows move nothing.
    if (ls2)
        return;
    if (ReadingKeys::page(pane_->pager(), move))
        lablstClick();
}

void BookViewer::placeKeyFrame()
{
    cursor_.settle(model_->columns());
    if (!cursor_.placed() || !strip_->rowsBuilt()) {
        keyFrame->hide();
        return;
    }
    const LabelControl* row = strip_->labels[static_cast<std::size_t>(cursor_.column() - 1)]
                                            [static_cast<std::size_t>(cursor_.row() - 1)];
    keyFrame->setGeometry(row->geometry().adjusted(-1, -1, 1, 1));
    keyFrame->show();
    keyFrame->raise();
}

void BookViewer::redraw()
{
    const std::string& path = model_->columns().pathCaption();
    if (lcap->text() != path)
        lcap->setText(path);
    lablstClick();
    placeKeyFrame();
    // Last: a tree icon that cannot be loaded is reported after the rest is drawn.
    strip_->draw(model_->columns());
}

// Column navigation ----------------------------------------------------------

void BookViewer::lablstClick(int k)
{
    step([this, k] { model_->showColumn(k); });
}

void BookViewer::LaevDblClick(int k, int row)
{
    bool opened = false;
    try {
        step([&] { opened = model_->openNode(k, row); });
    } catch (...) {
        fillQuestionList();
        throw;
    }
    if (!opened)
        return;
    fillQuestionList();
    if (trace::enabled())
        trace::line(std::string("book ") + settings_.kind + " open column=" + std::to_string(k) +
                    " node=" + std::to_string(model_->columns().column(k).row(row).node));
}

void BookViewer::mapClick(int k)
{
    step([this, k] { model_->scrollUp(k); });
}

void BookViewer::mdpClick(int k)
{
    step([this, k] { model_->scrollDown(k); });
}

void BookViewer::m2Click()
{
    step([this] { model_->moveStripRight(); });
}

void BookViewer::m3Click()
{
    step([this] { model_->moveStripLeft(); });
}

void BookViewer::Label2MouseDown(MouseImage* arrow)
{
    if (!repeat_.press(arrow->Tag, arrow->leftButton()))
        return;
    strip_->pressArrow(arrow->Tag, Image1->picture(), Image2->picture());
}

void BookViewer::Label2MouseUp(MouseImage* arrow)
{
    if (!repeat_.release(arrow->leftButton()))
        return;
    strip_->releaseArrow(arrow->Tag);
}

void BookViewer::Label3MouseMove(int k, int row)
{
    strip_->magnify(k, row);
}

void BookViewer::stripMouseMove()
{
    strip_->hideMagnifier();
    exitHover_.leave();
}

void BookViewer::ldntrsClick()
{
    mdpClick(1);
}

void BookViewer::openHeading(int node)
{
    const std::vector<int> path = model_->tree().pathTo(node);
    int reachedColumn = 0;
    int reachedRow = 0;
    std::exception_ptr failed;
    for (std::size_t i = 0; i < path.size() && i < BookColumns::Columns; ++i) {
        const int k = static_cast<int>(i) + 1;
        const int heading = path[i];
        // The column's arrows scroll the heading onto the strip, and the
        // strip's arrows bring the column into view.
        const BookColumn& column = model_->columns().column(k);
        const auto at = std::find_if(column.entries.begin(), column.entries.end(),
                                     [&](const ColumnEntry& e) { return e.node == heading; });
        if (at == column.entries.end())
            break; // the column had no room for it
        const int index = static_cast<int>(at - column.entries.begin());
        step([&] {
            while (column.rowOf(heading) == 0 &&
                   (index < column.top ? model_->scrollUp(k) : model_->scrollDown(k))) {
            }
            slideStripTo(k);
        });
        const int row = column.rowOf(heading);
        if (row == 0)
            break;
        reachedColumn = k;
        reachedRow = row;
        // A heading whose children overflow their column is reported after
        // the walk, as a click reports it; the children that fit are shown.
        try {
            LaevDblClick(k, row);
        } catch (const Error&) {
            if (!failed)
                failed = std::current_exception();
        }
    }
    if (reachedColumn != 0) {
        cursor_.moveTo(reachedColumn, reachedRow);
        placeKeyFrame();
        if (trace::enabled())
            trace::line(std::string("book ") + settings_.kind + " heading node=" +
                        std::to_string(node) + " column=" + std::to_string(reachedColumn) +
                        " row=" + std::to_string(reachedRow));
    }
    if (failed)
        std::rethrow_exception(failed);
}

// The pane --------------------------------------------------------------------

void BookViewer::Label6Click()
{
    step([this] { model_->resetPane(); });
}

void BookViewer::fillQuestionList()
{
    // The list keeps the titles of the heading opened last until another
    // heading is opened; showing a column leaves it.
    if (!ls2)
        return;
    ls2->clear();
    for (const ArticleEntry& e : model_->articleList().entries())
        ls2->addItem({e.title, {}});
}

void BookViewer::lablstClick()
{
    const ScreenSettings& model = model_->settings();
    if (model.pane == PaneKind::ArticleWindow) {
        const std::vector<ArticleRow> rows = model_->articleWindow().rows();
        for (std::size_t j = 0; j < lis.size(); ++j) {
            LabelControl* row = lis[j];
            if (j >= rows.size()) {
                row->hide();
                continue;
            }
            row->Tag = static_cast<int>(rows[j].index);
            row->setGlyphText(rows[j].caption, GlyphFace::Glyf01, settings_.articleRowSize,
                              BookStrip::Blue, Qt::AlignRight);
            row->show();
        }
    }
    if (lmtn) {
        const std::string shown = model_->body().shown();
        if (lmtn->text() != shown)
            lmtn->setText(shown);
    }
    if (co1) {
        const Passages& p = model_->passages();
        bool same = co1->count() == static_cast<int>(p.items().size());
        for (int i = 0; same && i < co1->count(); ++i)
            same = co1->item(i) == p.items()[static_cast<std::size_t>(i)];
        if (!same) {
            co1->clear();
            for (const std::string& item : p.items())
                co1->addItem(item);
        }
        if (co1->text() != p.text())
            co1->setText(p.text());
        L_name->setGlyphText(p.name(), GlyphFace::Glyf01, kPaneSize, BookStrip::Blue,
                             Qt::AlignRight);
    }
}

void BookViewer::lablstDblClick(int row)
{
    if (!settings_.opens || row < 1 || row > static_cast<int>(lis.size()))
        return;
    LabelControl* r = lis[static_cast<std::size_t>(row - 1)];
    if (!r->isVisible())
        return;
    globals().CurrentItem = r->Tag;
    globals().CurrentTitle = r->glyphText();
    openKind(settings_.opens);
}

void BookViewer::ls2DblClick()
{
    if (settings_.opens)
        openKind(settings_.opens);
}

void BookViewer::Label7Click()
{
    step([this] { model_->previousArticle(); });
}

void BookViewer::Label8Click()
{
    step([this] { model_->nextArticle(); });
}

void BookViewer::co1Click()
{
    const int index = co1->itemIndex();
    if (index < 0)
        return;
    const Passage passage = model_->passages().pick(index);
    redraw();
    playPassage(passage);
}

void BookViewer::co1Change()
{
    model_->passages().setText(co1->text());
    L_name->setGlyphText(model_->passages().name(), GlyphFace::Glyf01, kPaneSize, BookStrip::Blue,
                         Qt::AlignRight);
}

// Exit ------------------------------------------------------------------------

void BookViewer::Label1Click()
{
    repeat_.release(true);
    leave();
}

void BookViewer::Label1MouseMove()
{
    exitHover_.enter();
}

} // namespace ovta
