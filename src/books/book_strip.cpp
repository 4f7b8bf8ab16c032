#include "books/book_strip.h"

#include <algorithm>
#include <cmath>

#include "books/book_layout.h"
#include "books/repeat_codes.h"
#include "shell/layout_picture.h"

namespace ovta {
namespace {

const QColor kStripColour(248, 242, 214);
const QColor kBarColour(255, 0, 0);
const QColor kMagnifierBack(255, 255, 255);
constexpr int kHiddenTop = -100;
// Where the magnifier stands in the layout before it first shows a caption.
constexpr int kMagnifierLeft = 562;

QString numbered(const char* name, int n)
{
    return QString::fromLatin1(name) + QString::number(n);
}

} // namespace

const QColor BookStrip::Blue(0, 0, 255);
const QColor BookStrip::Red(255, 0, 0);

BookStrip::BookStrip(QWidget* screen, int& magnified)
    : Panel1(new PanelControl(screen, QStringLiteral("Panel1"), toRect(layout::kStripWindow))),
      Panel2(new PanelControl(
          Panel1, QStringLiteral("Panel2"),
          QRect(BookColumns::FirstStripLeft, 0, layout::kStripWidth, layout::kStripHeight),
          kStripColour)),
      magnifier_(Panel2, magnified, kMagnifierLeft, 20, kHiddenTop)
{
    Panel2->onMouseMove = [this](Control*) { backgroundMove(); };
    for (int k = 1; k <= Columns; ++k) {
        auto* track = layoutImage(Panel2, "books", "mp", toRect(layout::columnTrack(k)));
        track->setObjectName(numbered("mp", k));
        track->onMouseMove = [this](Control*) { backgroundMove(); };
        tracks[k - 1] = track;

        for (const bool up : {true, false}) {
            const layout::Box box = up ? layout::columnUpArrow(k) : layout::columnDownArrow(k);
            auto* arrow = new MouseImage(Panel2, numbered(up ? "map" : "mdp", k), toRect(box));
            arrow->Tag = up ? upArrowCode(k) : downArrowCode(k);
            arrow->setPointer(2);
            arrow->onMouseDown = [this, arrow](Control*) {
                if (onArrowPress)
                    onArrowPress(arrow);
            };
            arrow->onMouseUp = [this, arrow](Control*) {
                if (onArrowRelease)
                    onArrowRelease(arrow);
            };
            arrow->onClick = [this, arrow](Control*) {
                if (onArrowClick)
                    onArrowClick(arrow->Tag);
            };
            arrow->onMouseMove = [this](Control*) { backgroundMove(); };
            (up ? upArrows : downArrows)[k - 1] = arrow;
        }
    }
    for (int k = 1; k <= Columns; ++k) {
        upArrows[k - 1]->raise();
        downArrows[k - 1]->raise();
    }
    for (int k = 1; k <= Columns; ++k)
        new PanelControl(Panel2, numbered("bar", k), toRect(layout::columnBar(k)), kBarColour);
    new PanelControl(Panel2, QStringLiteral("barTop"), toRect(layout::kTopBar), kBarColour);
    new PanelControl(Panel2, QStringLiteral("barBottom"), toRect(layout::kBottomBar), kBarColour);
    magnifier_.label()->setColor(kMagnifierBack);
}

void BookStrip::buildRows()
{
    if (rowsBuilt())
        return;
    const GlyphFont& font = GlyphFont::get(GlyphFace::Glyf01, RowSize);
    // One text line of the row font fixes the row height. A face with a
    // taller line is held to what lets the fifth row's descenders clear the
    // strip's bottom bar (10-pixel margin, 5-pixel gaps, 15 pixels below).
    constexpr int kTallest = (layout::kStripHeight - 10 - 5 * (Rows - 1) - 15) / Rows;
    lineHeight_ =
        font.valid() ? std::min(kTallest, static_cast<int>(std::ceil(font.height()))) : kTallest;
    for (int k = 1; k <= Columns; ++k) {
        for (int j = 1; j <= Rows; ++j) {
            const int left = layout::rowLeft(k);
            const int top = layout::rowTop(j, lineHeight_);
            auto* label = new LabelControl(Panel2, numbered("laev", k) + '_' + QString::number(j),
                                           QRect(left, top, layout::kRowWidth, lineHeight_));
            label->setTransparent(true);
            label->setPointer(2);
            label->setGlyphText("?", GlyphFace::Glyf01, RowSize, Blue, Qt::AlignRight);
            label->onClick = [this, k, j](Control*) {
                if (onRowClick)
                    onRowClick(k, j);
            };
            label->onMouseMove = [this, k, j](Control*) {
                if (onRowMove)
                    onRowMove(k, j);
            };
            label->hide();
            labels[k - 1][j - 1] = label;

            auto* icon = new ImageControl(Panel2, numbered("icon", k) + '_' + QString::number(j),
                                          QRect(left + layout::kRowWidth, top, 14, 14));
            icon->onMouseMove = [this](Control*) { backgroundMove(); };
            icon->hide();
            icons[k - 1][j - 1] = icon;
        }
    }
    magnifier_.label()->raise();
}

void BookStrip::draw(const BookColumns& columns)
{
    std::exception_ptr failed;
    for (int k = 1; k <= Columns; ++k) {
        const BookColumn& c = columns.column(k);
        tracks[k - 1]->setVisible(c.arrows);
        upArrows[k - 1]->setVisible(c.arrows);
        downArrows[k - 1]->setVisible(c.arrows);
        if (rowsBuilt())
            for (int j = 1; j <= Rows; ++j)
                drawRow(k, j, c, failed);
    }
    Panel2->move(columns.stripLeft(), 0);
    if (failed)
        std::rethrow_exception(failed);
}

void BookStrip::drawRow(int k, int j, const BookColumn& c, std::exception_ptr& failed)
{
    const ColumnRow& row = c.row(j);
    LabelControl* label = labels[k - 1][j - 1];
    ImageControl* icon = icons[k - 1][j - 1];
    Drawn& was = drawn_[k - 1][j - 1];
    if (!row.shown) {
        label->hide();
        icon->hide();
        was.shown = false;
        return;
    }
    const bool red = c.red(j);
    const bool changed = !was.shown || was.node != row.node || was.icon != row.icon;
    label->Tag = row.node;
    icon->Tag = row.node;
    if (changed || was.red != red || label->glyphText() != row.caption)
        label->setGlyphText(row.caption, GlyphFace::Glyf01, RowSize, red ? Red : Blue,
                            Qt::AlignRight);
    label->show();
    icon->show();
    was = {true, row.node, row.icon, red};
    if (!changed)
        return;
    try {
        icon->setPicture(iconPictures_.get(iconPicture(row.icon)));
        icon->resize(icon->picture().size());
    } catch (const std::exception&) {
        // The drawn state is unknown: the next draw tries the picture again.
        was.node = -1;
        if (!failed)
            failed = std::current_exception();
    }
}

MouseImage* BookStrip::arrow(int code) const
{
    const RepeatAction a = repeatAction(code);
    if (a.move == RepeatMove::ColumnUp)
        return upArrows[a.column - 1];
    if (a.move == RepeatMove::ColumnDown)
        return downArrows[a.column - 1];
    return nullptr;
}

void BookStrip::pressArrow(int code, const QPixmap& up, const QPixmap& down)
{
    if (MouseImage* a = arrow(code))
        a->setPicture(code > 10 ? down : up);
}

void BookStrip::releaseArrow(int code)
{
    if (MouseImage* a = arrow(code))
        a->setPicture({});
}

void BookStrip::magnify(int k, int j)
{
    if (k < 1 || k > Columns || j < 1 || j > Rows || !rowsBuilt())
        return;
    LabelControl* row = labels[k - 1][j - 1];
    magnifier_.over(row, GlyphFont::get(row->glyphFace(), row->glyphSize()),
                    {row->glyphFace(), row->glyphSize(), row->textColor(), kMagnifierBack});
}

void BookStrip::backgroundMove()
{
    magnifier_.hide();
    if (onBackgroundMove)
        onBackgroundMove();
}

} // namespace ovta
