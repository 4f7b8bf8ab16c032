#include "reading/reader_screen.h"

#include "reading/reading_layout.h"
#include "shell/clipboard_text.h"
#include "shell/globals.h"
#include "shell/layout_picture.h"
#include "shell/reading_keys.h"
#include "shell/trace.h"

namespace ovta {
namespace {

const bool registered = registerKinds<Tfrm03, Tfrm13, Tfrm46, Tfrm65, Tfrm83>();

constexpr int kUp = 1;
constexpr int kDown = 2;
constexpr int kWholeTextPrompt = 17;
const QColor kChooserBox(252, 246, 226);
const QColor kMirrorBlue(0, 0, 255);

} // namespace

ReaderScreen::ReaderScreen(const ReaderSettings& settings, ReaderState& state)
    : Screen(settings.kind), settings_(settings), state_(state), article_(settings.article),
      pager_(Pager::text(top_)), repeat_(this, state.repeatDirection)
{
    const char* kind = settings.kind;
    const layout::ReaderLayout& L = layout::kReader;
    m1 = layoutImage(this, kind, "m1", QRect(0, 0, 640, 480));
    m1->onMouseMove = [this](Control*) { m1MouseMove(); };

    lname = new LabelControl(this, QStringLiteral("lname"), toRect(L.title));
    lname->setTransparent(true);
    lmtn = new GlyphTextBox(this, QStringLiteral("lmtn"), toRect(L.text), GlyphFace::Glyf02, -19,
                            settings.textColor, 23);

    column_ = std::make_unique<PagedColumn>(this, kind, pager_, repeat_,
                                            ColumnArrows{"l10", "l12", "l13", "l11", L.lineUp,
                                                         L.pageUp, L.pageDown, L.lineDown, "Image1",
                                                         "Image2", kUp, kDown},
                                            [this] { Label1Click(); });
    l10 = column_->lineUpSpot;
    l12 = column_->pageUpSpot;
    l13 = column_->pageDownSpot;
    l11 = column_->lineDownSpot;
    Image1 = column_->pressedUp;
    Image2 = column_->pressedDown;
    t2 = repeat_.timer();

    co1 = new GlyphChooser(this, QStringLiteral("co1"), toRect(L.chooser), GlyphFace::Glyf02, -17,
                           settings.textColor);
    co1->onClick = [this](Control*) { co1Click(); };
    co1->onChange = [this](Control*) { co1Change(); };
    co1->onKeyDown = [this](int key) { co1KeyDown(key); };
    Panel1 = new PanelControl(this, QStringLiteral("Panel1"), toRect(L.chooserPanel), kChooserBox);
    L_name = new LabelControl(Panel1, QStringLiteral("L_name"),
                              QRect(0, 0, L.chooserPanel.w, L.chooserPanel.h));
    L_name->setTransparent(true);
    // The panel hides the chooser's text box; a click on it opens the list
    // as a click on the box itself would.
    Panel1->onClick = [this](Control*) { co1->dropDown(); };
    L_name->onClick = [this](Control*) { co1->dropDown(); };

    const int spots = std::max(7, settings.article.pairs);
    for (int k = 1; k <= spots; ++k) {
        const QString name =
            k + 1 <= 8 ? QStringLiteral("l%1").arg(k + 1) : QStringLiteral("ll%1").arg(k + 1);
        auto* spot = operationLabel(this, "");
        spot->setObjectName(name);
        spot->Tag = k + 1;
        spot->onClick = [this](Control* sender) { l2Click(sender->Tag); };
        sectionSpots.push_back(spot);
    }
    Label1 = operationLabel(this, "Label1");
    Label1->onClick = [this](Control*) { Label1Click(); };
    Label2 = operationLabel(this, "Label2");
    Label2->onClick = [this](Control*) { Label2Click(); };

    m9 = layoutImage(this, kind, "m9", toRect(L.close));
    l9 = hotSpot(this, "l9", toRect(L.close), 2);
    l9->onClick = [this](Control*) { l9DblClick(); };
    l9->onDoubleClick = [this](Control*) { l9DblClick(); };
    l9->onMouseMove = [this](Control*) { l9MouseMove(); };
    closeHover_ = HoverPicture::raised(state.closeHover, m9, l9);
}

ReaderScreen::~ReaderScreen() = default;

const ReaderFiles& ReaderScreen::files() const
{
    return settings_.openerFilesFor ? openerFiles(settings_.openerFilesFor) : own_;
}

LabelControl* ReaderScreen::sectionSpot(int k) const
{
    if (k < 1 || k > static_cast<int>(sectionSpots.size()))
        return nullptr;
    return sectionSpots[static_cast<std::size_t>(k - 1)];
}

void ReaderScreen::FormCreate()
{
    column_->putAwayPressed();
    state_.repeatDirection = 0;
    closeHover_.putAway();
    if (!settings_.openerFilesFor)
        loadReaderFiles(own_, ContentDir::current(), settings_.files);
}

void ReaderScreen::FormShow()
{
    // frm03 puts its pressed pictures away here rather than at creation;
    // doing it in both is the same for every reader.
    column_->putAwayPressed();
    const Globals& g = globals();
    co1->clear();
    co1->setText(g.titleTable.entry(kWholeTextPrompt));
    co1Change();
    state_.closeHover = 0;
    lname->setGlyphText(g.CurrentTitle, GlyphFace::Glyf02, -19, settings_.textColor,
                        Qt::AlignHCenter);

    const std::int64_t record = static_cast<std::int64_t>(g.CurrentItem) + settings_.recordOffset;
    if (trace::enabled())
        trace::line(std::string("read ") + settings_.kind + " record=" + std::to_string(record));
    article_.setSections({});
    // Lists that failed to load were reported then, once is enough; lists
    // nobody loaded are read, and that reports them.
    const bool readable = !files().loadFailed;
    article_.setText(readable ? readArticle(files().locators, files().articles, record)
                              : std::string());

    map_.clear();
    co1->addItem(g.titleTable.entry(settings_.article.wholeCaption));
    map_.push_back(0);
    if (readable)
        article_.setSections(readSections(files().sections, record, settings_.article.pairs));
    for (const ChooserEntry& entry : article_.chooser()) {
        if (entry.shows == 0)
            continue;
        co1->addItem(g.titleTable.entry(entry.caption));
        map_.push_back(entry.shows);
    }
    showText(article_.whole());
}

void ReaderScreen::FormActivate()
{
    closeHover_.putAway();
    // The chooser is the screen's one control that takes keys.
    co1->setFocus(Qt::OtherFocusReason);
}

std::string ReaderScreen::copyGlyphs() const
{
    return ClipboardText::titled(lname->glyphText(), shown_);
}

void ReaderScreen::FormKeyDown(int key)
{
    if (settings_.escOnScreen && key == 27)
        l9->click();
    else
        pageKey(key);
}

// Page Up, Page Down, Home and End page the text; the arrows stay the
// chooser's.
void ReaderScreen::pageKey(int key)
{
    const KeyMove move = ReadingKeys::move(key);
    const bool paging = move == KeyMove::PageUp || move == KeyMove::PageDown ||
                        move == KeyMove::Home || move == KeyMove::End;
    if (paging && ReadingKeys::page(pager_, move))
        Label1Click();
}

void ReaderScreen::showText(std::string text)
{
    shown_ = std::move(text);
    lines_ = pagedLines(shown_);
    pager_.setCount(static_cast<int>(lines_.size()));
    Label1Click();
}

void ReaderScreen::Label1Click()
{
    lmtn->setText(textWindow(pager_, lines_));
}

void ReaderScreen::l2Click(int tag)
{
    showText(article_.cut(tag - 1));
}

void ReaderScreen::Label2Click()
{
    showText(article_.whole());
}

void ReaderScreen::co1Click()
{
    const int index = co1->itemIndex();
    if (index < 0 || index >= static_cast<int>(map_.size()))
        return;
    const int shows = map_[static_cast<std::size_t>(index)];
    if (shows == 0) {
        Label2->click();
        return;
    }
    if (LabelControl* spot = sectionSpot(shows))
        spot->click();
}

void ReaderScreen::co1Change()
{
    L_name->setGlyphText(co1->text(), GlyphFace::Glyf02, -17, kMirrorBlue, Qt::AlignRight);
}

void ReaderScreen::co1KeyDown(int key)
{
    if (key == 27)
        l9->click();
    else
        pageKey(key);
}

void ReaderScreen::l9DblClick()
{
    release();
}

void ReaderScreen::l9MouseMove()
{
    closeHover_.enter();
}

void ReaderScreen::m1MouseMove()
{
    repeat_.backgroundMove();
    closeHover_.leave();
}

} // namespace ovta
