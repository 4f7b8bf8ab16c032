#include "books/frm42.h"

#include <cmath>
#include <exception>

#include "books/question_layout.h"
#include "books/question_source.h"
#include "shell/clipboard_text.h"
#include "shell/globals.h"
#include "shell/glyph_text.h"
#include "shell/layout_picture.h"
#include "shell/reading_keys.h"
#include "shell/screen_registry.h"
#include "shell/trace.h"
#include "store/errors.h"

namespace ovta {
namespace {

const bool registered = registerKinds<Tfrm42>();

constexpr const char* kUpHover = "data1\\ram052.bmp";
constexpr int kTitleSize = -19; // lcap1: Glyf01, 19 pixels
constexpr int kOutOfSight = 1000;
const QColor kNavy(0, 0, 128);
const QColor kListBack(252, 246, 226);
const QColor kRed(255, 0, 0);

TextWidth widthIn(int pointSize)
{
    return [pointSize](std::string_view glyphs) {
        return static_cast<int>(
            std::ceil(GlyphFont::get(GlyphFace::Glyf01, pointSize).width(glyphs)));
    };
}

// Runs `step`, then `redraw` whether the step went through or failed, so
// the screen shows what the model holds; the failure then goes on to the
// error report.
template <class Step, class Redraw> void thenRedraw(Step step, Redraw redraw)
{
    try {
        step();
    } catch (...) {
        redraw();
        throw;
    }
    redraw();
}

} // namespace

Tfrm42::Tfrm42() : Screen(Kind)
{
    const layout::QuestionLayout& L = layout::kFrm42;
    m1 = layoutImage(this, Kind, "m1", QRect(0, 0, 640, 480));
    m1->onMouseMove = [this](Control*) { m1MouseMove(); };

    lcap1 = new LabelControl(this, QStringLiteral("lcap1"), toRect(L.lcap1));
    lcap1->setTransparent(true);
    lcap1->setGlyphText({}, GlyphFace::Glyf01, kTitleSize, kNavy);
    List1 = new LineList(this, QStringLiteral("List1"), toRect(L.List1), kListBack, kNavy);

    for (std::size_t i = 0; i < 3; ++i) {
        highlights[i] =
            layoutImage(this, Kind, layout::kCategoryHighlights[i], toRect(L.category[i]));
        LabelControl* button = hotSpot(this, layout::kCategoryButtons[i], toRect(L.category[i]), 2);
        button->Tag = static_cast<int>(i) + 1;
        button->onClick = [this](Control* sender) { Label2Click(sender); };
        button->onMouseMove = [this](Control* sender) { Label2MouseMove(sender); };
        categoryButtons[i] = button;
    }
    shp1 = new FrameShape(this, QStringLiteral("shp1"), toRect(L.category[0]), kRed, 2);
    shp1->move(shp1->x(), kOutOfSight);

    List2 = new LineList(this, QStringLiteral("List2"), toRect(L.List2), kListBack, kNavy);
    List3 = new LineList(this, QStringLiteral("List3"), toRect(L.List3), kListBack, kNavy);

    m2 = layoutImage(this, Kind, "m2", toRect(L.m2));
    m2->setToolTip(QStringLiteral("book up"));
    m2->setPointer(2);
    m2->onClick = [this](Control*) { m2Click(); };
    m3 = layoutImage(this, Kind, "m3", toRect(L.m3));
    m3->setToolTip(QStringLiteral("book down"));
    m3->setPointer(2);
    m3->onClick = [this](Control*) { m3Click(); };
    m2->hide();
    m3->hide();

    mup = layoutImage(this, Kind, "mup", toRect(L.Label6));
    mup->onMouseMove = [this](Control*) { mupMouseMove(); };
    mdn = layoutImage(this, Kind, "mdn", toRect(L.Label7));
    Label6 = mouseHotSpot(this, "Label6", toRect(L.Label6), 2);
    Label6->setToolTip(QStringLiteral("question up"));
    Label7 = mouseHotSpot(this, "Label7", toRect(L.Label7), 2);
    Label7->setToolTip(QStringLiteral("question down"));
    Label6->onClick = [this](Control*) { Label6Click(); };
    Label7->onClick = [this](Control*) { Label7Click(); };
    for (MouseLabel* arrow : {Label6, Label7}) {
        arrow->onMouseDown = [this, arrow](Control*) { Label6MouseDown(arrow); };
        arrow->onMouseUp = [this, arrow](Control*) { Label6MouseUp(arrow); };
    }

    Label5 = hotSpot(this, "Label5", toRect(L.Label5), 2);
    Label5->onClick = [this](Control*) { Label5Click(); };
    m8 = layoutImage(this, Kind, "m8", toRect(L.Label4));
    Label4 = hotSpot(this, "Label4", toRect(L.Label4), 2);
    Label4->onClick = [this](Control*) { Label4Click(); };
    Label4->onMouseMove = [this](Control*) { Label4MouseMove(); };
    closeHover_ = HoverPicture::raised(state().closeHover, m8, Label4);
}

Tfrm42::~Tfrm42() = default;

void Tfrm42::FormCreate()
{
    for (ImageControl* picture : highlights)
        picture->sendToBack();
    mup->sendToBack();
    mdn->sendToBack();
    closeHover_.putAway();
    lcap1->sendToBack();

    source_ = currentQuestionSource();
    if (!source_)
        throw RangeError("frm42 was opened without a question list to show");
    question_ = std::make_unique<Question>(source_->questionList(), source_->questionFiles(),
                                           globals().titleTable);
    const TextWidth box = widthIn(LineList::FontSize);
    question_->setMeasure(widthIn(lcap1->glyphSize()), box);
    firstRow_ = source_->selectedQuestion();
}

void Tfrm42::FormShow()
{
    if (!haveQuestion())
        return;
    thenRedraw(
        [this] {
            question_->show(firstRow_);
            traceQuestion();
        },
        [this] { showQuestion(); });
}

bool Tfrm42::haveQuestion() const
{
    return question_ && source_ && currentQuestionSource() == source_;
}

void Tfrm42::showQuestion()
{
    List1->setLines(question_->questionBox().lines());
    showChoice();
}

void Tfrm42::traceQuestion() const
{
    if (!trace::enabled())
        return;
    const int row = question_->row();
    trace::line(
        "question frm42 row=" + std::to_string(row) + " record=" +
        std::to_string(source_->questionList().entries()[static_cast<std::size_t>(row)].index));
}

void Tfrm42::showChoice()
{
    const int chosen = question_->chosen();
    for (std::size_t i = 0; i < highlights.size(); ++i) {
        if (static_cast<int>(i) + 1 == chosen)
            highlights[i]->bringToFront();
        else
            highlights[i]->sendToBack();
    }
    // The frame and the buttons stay over the lit picture.
    shp1->raise();
    for (LabelControl* button : categoryButtons)
        button->raise();
    List2->setLines(question_->categoryBox().lines());
    List3->setLines(question_->referenceBox().lines());
    m2->setVisible(question_->previousArrowShown());
    m3->setVisible(question_->nextArrowShown());
    if (trace::enabled() && chosen != 0) {
        const auto& refs = question_->category(chosen).references;
        const int cursor = question_->cursor();
        std::string line = "category frm42 category=" + std::to_string(chosen) +
                           " references=" + std::to_string(refs.size());
        if (cursor >= 1 && cursor <= static_cast<int>(refs.size())) {
            const Reference& r = refs[static_cast<std::size_t>(cursor - 1)];
            line += " cursor=" + std::to_string(cursor) + " article=" + std::to_string(r.article) +
                    " book=" + std::to_string(r.book);
        }
        trace::line(line);
    }
}

void Tfrm42::Label2Click(Control* sender)
{
    if (!haveQuestion())
        return;
    thenRedraw([this, sender] { question_->choose(sender->Tag); }, [this] { showChoice(); });
}

void Tfrm42::Label2MouseMove(Control* sender)
{
    shp1->setGeometry(sender->geometry());
    shp1->raise();
    sender->bringToFront();
}

void Tfrm42::m3Click()
{
    if (!haveQuestion())
        return;
    thenRedraw([this] { question_->nextReference(); }, [this] { showChoice(); });
}

void Tfrm42::m2Click()
{
    if (!haveQuestion())
        return;
    thenRedraw([this] { question_->previousReference(); }, [this] { showChoice(); });
}

void Tfrm42::Label6Click()
{
    if (!haveQuestion())
        return;
    thenRedraw(
        [this] {
            if (question_->previousQuestion())
                traceQuestion();
        },
        [this] { showQuestion(); });
}

void Tfrm42::Label7Click()
{
    if (!haveQuestion())
        return;
    thenRedraw(
        [this] {
            if (question_->nextQuestion())
                traceQuestion();
        },
        [this] { showQuestion(); });
}

void Tfrm42::Label6MouseDown(MouseLabel* sender)
{
    if (!sender->leftButton())
        return;
    (sender == Label6 ? mup : mdn)->bringToFront();
    sender->bringToFront();
}

void Tfrm42::Label6MouseUp(MouseLabel* sender)
{
    if (!sender->leftButton())
        return;
    (sender == Label6 ? mup : mdn)->sendToBack();
}

void Tfrm42::mupMouseMove()
{
    if (state().upHover != 0)
        return;
    mup->loadPicture(kUpHover);
    state().upHover = 1;
}

void Tfrm42::m1MouseMove()
{
    shp1->move(shp1->x(), kOutOfSight);
    closeHover_.leave();
    // The pressed picture goes back to its own look; leaving it empty
    // would take the up arrow's pressed look away for good.
    if (state().upHover != 0) {
        mup->setPicture(layoutPicture(QLatin1String(Kind), QStringLiteral("mup")));
        state().upHover = 0;
    }
}

void Tfrm42::FormMouseMove()
{
    m1MouseMove();
}

void Tfrm42::Label4MouseMove()
{
    closeHover_.enter();
}

void Tfrm42::Label4Click()
{
    release();
}

void Tfrm42::Label5Click()
{
    openKind("frm48");
}

void Tfrm42::FormKeyDown(int key)
{
    if (key == 27)
        Label4Click();
    else
        readingKey(key);
}

// The question, the chosen category's text and the reference shown.
std::string Tfrm42::copyGlyphs() const
{
    if (!haveQuestion())
        return {};
    const auto& entries = source_->questionList().entries();
    const auto row = static_cast<std::size_t>(question_->row());
    const std::string title = row < entries.size() ? entries[row].title : std::string();
    return ClipboardText::titled(
        title, ClipboardText::titled(question_->categoryBox().text(),
                                     question_->referenceBox().text()));
}

// Up and Down step through the questions as the two arrows do, Home and End
// go to the first and last; Right and Left choose the category beside the
// chosen one (the first lies at the right); Page Up and Down step through
// its references; Enter opens the summary page.
void Tfrm42::readingKey(int key)
{
    if (!haveQuestion())
        return;
    switch (ReadingKeys::move(key)) {
    case KeyMove::Up: Label6Click(); break;
    case KeyMove::Down: Label7Click(); break;
    case KeyMove::Home:
    case KeyMove::End: {
        const int last = static_cast<int>(source_->questionList().entries().size()) - 1;
        const int row = ReadingKeys::move(key) == KeyMove::Home ? 0 : last;
        if (last < 0 || row == question_->row())
            return;
        thenRedraw(
            [this, row] {
                question_->show(row);
                traceQuestion();
            },
            [this] { showQuestion(); });
        break;
    }
    case KeyMove::Left:
    case KeyMove::Right: {
        const int chosen = question_->chosen();
        const int next = ReadingKeys::move(key) == KeyMove::Left ? chosen + 1 : chosen - 1;
        const int category = chosen == 0 ? 1 : next;
        if (category < 1 || category > static_cast<int>(categoryButtons.size()))
            return;
        for (LabelControl* button : categoryButtons)
            if (button->Tag == category) {
                Label2MouseMove(button);
                Label2Click(button);
            }
        break;
    }
    case KeyMove::PageUp:
        if (m2->isVisibleTo(this))
            m2Click();
        break;
    case KeyMove::PageDown:
        if (m3->isVisibleTo(this))
            m3Click();
        break;
    case KeyMove::Enter: Label5Click(); break;
    case KeyMove::None: break;
    }
}

} // namespace ovta
