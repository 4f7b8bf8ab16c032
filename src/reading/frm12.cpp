#include "reading/frm12.h"

#include <QPainter>

#include "reading/letter_index.h"
#include "shell/globals.h"
#include "shell/layout_picture.h"
#include "shell/timer.h"

namespace ovta {
namespace {

const bool registered = registerKinds<Tfrm12>();

// The pressed picture of a letter is cut from the pressed board one pixel
// left of where the board lies, which nudges the letter as it goes down.
constexpr int kBoardCutLeft = 321;
constexpr int kBoardCutTop = 34;

} // namespace

QRect Tfrm12::letterRect(int tag)
{
    return toRect(layout::frm12Letter(tag));
}

Tfrm12::Tfrm12() : TopicListScreen(topicListSettings(Kind), state()), book_(globals().CurrentBook)
{
    l7->setToolTip(QStringLiteral("صفحة للأعلى"));
    l8->setToolTip(QStringLiteral("صفحة للأسفل"));
    Image1 = layoutImage(this, Kind, "Image1", toRect(layout::kFrm12Board));
    Image1->hide();
    Image3 = layoutImage(this, Kind, "Image3", toRect(layout::kFrm12Board));
    for (int tag = 1; tag <= kLetterCount; ++tag) {
        auto* letter = new ImageControl(this, QStringLiteral("ml%1").arg(tag), letterRect(tag));
        letter->Tag = tag;
        letter->setPointer(2);
        letter->onClick = [this, letter](Control*) { ml1Click(letter); };
        letters[static_cast<std::size_t>(tag - 1)] = letter;
    }
    Label5 = mouseHotSpot(this, "Label5", toRect(layout::kFrm12Track), -1);
    Label5->onMouseDown = [this](Control*) {
        if (Label5->leftButton())
            Label5MouseDown(Label5->at().y());
    };
    Label5->onMouseUp = [this](Control*) { Label5MouseUp(); };
    mm = new MouseImage(this, QStringLiteral("mm"),
                        QRect(layout::kFrm12ThumbLeft, ListThumb::Y0, 8, 10));
    mm->setPicture(layoutPicture(Kind, "mm"));
    mm->setPointer(-1);
    mm->onMouseDown = [this](Control*) {
        if (mm->leftButton())
            mmMouseDown();
    };
    mm->onMouseUp = [this](Control*) { mmMouseUp(); };
    mm->onMouseMove = [this](Control*) { mmMouseMove(mm->y() + mm->at().y()); };
    // The thumb stays in front of a pressed line arrow.
    bringForwardOnPress(mm);
}

std::pair<const char*, const char*> Tfrm12::topicFiles() const
{
    switch (book_) {
    case 2: return {"data\\1kenor14", "data\\kenor13"};
    case 3: return {"data\\1kenor16", "data\\kenor15"};
    default: return TopicListScreen::topicFiles();
    }
}

void Tfrm12::afterCreate()
{
    state().pressedLetter = 0;
    state().dragFlag = 0;
    thumb_ = ListThumb(entries().count(), book_);
    if (book_ == 3) {
        Image3->hide();
        for (ImageControl* letter : letters)
            letter->hide();
    }
    afterShow();
}

void Tfrm12::afterShow()
{
    mm->move(mm->x(), thumb_.thumbTop(pager().top(), pager().last()));
}

void Tfrm12::ml1Click(ImageControl* letter)
{
    if (book_ == 3)
        return;
    Frm12State& s = state();
    if (s.pressedLetter >= 1 && s.pressedLetter <= kLetterCount)
        letters[static_cast<std::size_t>(s.pressedLetter - 1)]->setPicture(QPixmap());
    s.pressedLetter = letter->Tag;
    const QRect source(letter->x() - kBoardCutLeft, letter->y() - kBoardCutTop, letter->width(),
                       letter->height());
    letter->setPicture(Image1->picture().copy(source));
    const int entry = letterEntry(book_, letter->Tag);
    if (entry == 0)
        return;
    pager().setTop(entry - 1);
    Label1Click();
}

void Tfrm12::mmMouseDown()
{
    state().dragFlag = 1;
}

void Tfrm12::mmMouseUp()
{
    state().dragFlag = 0;
}

void Tfrm12::mmMouseMove(int y)
{
    if (state().dragFlag != 1)
        return;
    const ListThumb::Drag d = thumb_.drag(y, pager().last());
    if (d.thumbTop >= 0)
        mm->move(mm->x(), d.thumbTop);
    pager().setTop(d.top);
    if (d.thumbTop < 0)
        Label1Click();
    if (d.step > 0)
        l4Click();
    else
        l3Click();
}

void Tfrm12::Label5MouseDown(int y)
{
    const int at = Label5->y() + y;
    if (at < mm->y())
        l7Click();
    else if (at > mm->y())
        l8Click();
}

void Tfrm12::Label5MouseUp()
{
    t2->stop();
}

} // namespace ovta
