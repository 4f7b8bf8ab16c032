#include "reading/reader_screen.h"

#include "shell/screen_parts.h"
#include "shell/globals.h"
#include "shell/trace.h"

namespace ovta {
namespace {

constexpr int kUp = 1;
constexpr int kDown = 2;
constexpr int kWholeTextPrompt = 17;
const QColor kChooserBox(252, 246, 226);
const QColor kMirrorBlue(0, 0, 255);

} // namespace

ReaderScreen::ReaderScreen(const ReaderMember& member, State& state)
    : Screen(member.kind), member_(member), state_(state), article_(member.article),
      pager_(Pager::text(top_)), repeat_(state.repeatDirection)
{
    const char* kind = member.kind;
    const layout::ReaderLayout& L = layout::kReader;
    m1 = layoutImage(this, kind, "m1", QRect(0, 0, 640, 480));
    m1->onMouseMove = [this](Control*) { m1MouseMove(); };

    lname = new LabelControl(this, QStringLiteral("lname"), toRect(L.title));
    lname->setTransparent(true);
    lmtn = new GlyphTextBox(this, QStringLiteral("lmtn"), toRect(L.text), GlyphFace::Glyf02, -19,
                            member.textColor, 23);

    l10 = mouseHotSpot(this, "l10", toRect(L.lineUp), -1);
    l10->setToolTip(QStringLiteral("line up"));
    l10->onClick = [this](Control*) { l10Click(); };
    l10->onMouseDown = [this](Control*) { l10MouseDown(l10->leftButton()); };
    l10->onMouseUp = [this](Control*) { l10MouseUp(l10->leftButton()); };
    l12 = hotSpot(this, "l12", toRect(L.pageUp), -1);
    l12->setToolTip(QStringLiteral("page up"));
    l12->onClick = [this](Control*) { l12Click(); };
    l13 = hotSpot(this, "l13", toRect(L.pageDown), -1);
    l13->setToolTip(QStringLiteral("page down"));
    l13->onClick = [this](Control*) { l13Click(); };
    l11 = mouseHotSpot(this, "l11", toRect(L.lineDown), -1);
    l11->setToolTip(QStringLiteral("line down"));
    l11->onClick = [this](Control*) { l11Click(); };
    l11->onMouseDown = [this](Control*) { l11MouseDown(l11->leftButton()); };
    l11->onMouseUp = [this](Control*) { l11MouseUp(l11->leftButton()); };
    Image1 = layoutImage(this, kind, "Image1", toRect(L.lineUp));
    Image2 = layoutImage(this, kind, "Image2", toRect(L.lineDown));

    co1 = new GlyphChooser(this, QStringLiteral("co1"), toRect(L.chooser), GlyphFace::Glyf02, -17,
                           member.textColor);
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

    const int spots = std::max(7, member.article.pairs);
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

    t2 = new Timer(this, 100, false, [this] { t2Timer(); });
}

ReaderScreen::~ReaderScreen() = default;

const ReaderFiles& ReaderScreen::files() const
{
    return member_.openerFilesFor ? openerFiles(member_.openerFilesFor) : own_;
}

LabelControl* ReaderScreen::sectionSpot(int k) const
{
    if (k < 1 || k > static_cast<int>(sectionSpots.size()))
        return nullptr;
    return sectionSpots[static_cast<std::size_t>(k - 1)];
}

void ReaderScreen::FormCreate()
{
    Image1->sendToBack();
    Image2->sendToBack();
    state_.repeatDirection = 0;
    m9->sendToBack();
    if (!member_.openerFilesFor)
        loadReaderFiles(own_, ContentDir::current(), member_.files);
}

void ReaderScreen::FormShow()
{
    // frm03 puts its pressed pictures away here rather than at creation;
    // doing it in both is the same for every reader.
    Image1->sendToBack();
    Image2->sendToBack();
    const Globals& g = globals();
    co1->clear();
    co1->setText(g.titleTable.entry(kWholeTextPrompt));
    co1Change();
    state_.closeHover = 0;
    lname->setGlyphText(g.CurrentTitle, GlyphFace::Glyf02, -19, member_.textColor,
                        Qt::AlignHCenter);

    const std::int64_t record = static_cast<std::int64_t>(g.CurrentItem) + member_.recordOffset;
    if (trace::enabled())
        trace::line(std::string("read ") + member_.kind + " record=" + std::to_string(record));
    article_.setSections({});
    article_.setText(readArticle(files().locators, files().articles, record));

    map_.clear();
    co1->addItem(g.titleTable.entry(member_.article.wholeCaption));
    map_.push_back(0);
    article_.setSections(readSections(files().sections, record, member_.article.pairs));
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
    m9->sendToBack();
    // The chooser is the screen's one control that takes keys.
    co1->setFocus(Qt::OtherFocusReason);
}

void ReaderScreen::FormKeyDown(int key)
{
    if (member_.escOnScreen && key == 27)
        l9->click();
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
}

void ReaderScreen::l9DblClick()
{
    release();
}

void ReaderScreen::l9MouseMove()
{
    if (state_.closeHover)
        return;
    m9->bringToFront();
    l9->bringToFront();
    state_.closeHover = 1;
}

void ReaderScreen::m1MouseMove()
{
    repeat_.backgroundMove();
    if (!state_.closeHover)
        return;
    m9->sendToBack();
    l9->bringToFront();
    state_.closeHover = 0;
}

void ReaderScreen::l10Click()
{
    if (pager_.lineUp())
        Label1Click();
}

void ReaderScreen::l11Click()
{
    if (pager_.lineDown())
        Label1Click();
}

void ReaderScreen::l12Click()
{
    if (pager_.pageUp())
        Label1Click();
}

void ReaderScreen::l13Click()
{
    if (pager_.pageDown())
        Label1Click();
}

void ReaderScreen::l10MouseDown(bool left)
{
    if (!repeat_.press(kUp, left))
        return;
    t2->start();
    Image1->bringToFront();
}

void ReaderScreen::l10MouseUp(bool left)
{
    if (!repeat_.release(left))
        return;
    t2->stop();
    Image1->sendToBack();
}

void ReaderScreen::l11MouseDown(bool left)
{
    if (!repeat_.press(kDown, left))
        return;
    t2->start();
    Image2->bringToFront();
}

void ReaderScreen::l11MouseUp(bool left)
{
    if (!repeat_.release(left))
        return;
    t2->stop();
    Image2->sendToBack();
}

void ReaderScreen::t2Timer()
{
    const int code = repeat_.tick();
    if (code == kUp)
        l10Click();
    else if (code == kDown)
        l11Click();
}

} // namespace ovta
