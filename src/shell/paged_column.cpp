#include "shell/paged_column.h"

#include "shell/arrow_repeat.h"
#include "shell/layout_picture.h"
#include "shell/pager.h"

namespace ovta {

PagedColumn::PagedColumn(QWidget* parent, const char* screen, Pager& pager, ArrowRepeat& repeat,
                         const ColumnArrows& arrows, std::function<void()> redraw)
    : pager_(pager), repeat_(repeat), arrows_(arrows), redraw_(std::move(redraw))
{
    lineUpSpot = mouseHotSpot(parent, arrows.lineUp, toRect(arrows.lineUpAt), -1);
    lineUpSpot->setToolTip(QStringLiteral("line up"));
    lineUpSpot->onClick = [this](Control*) { lineUp(); };
    lineUpSpot->onMouseDown = [this](Control*) { press(true, lineUpSpot->leftButton()); };
    lineUpSpot->onMouseUp = [this](Control*) { release(true, lineUpSpot->leftButton()); };

    pageUpSpot = hotSpot(parent, arrows.pageUp, toRect(arrows.pageUpAt), -1);
    pageUpSpot->setToolTip(QStringLiteral("page up"));
    pageUpSpot->onClick = [this](Control*) { pageUp(); };

    pageDownSpot = hotSpot(parent, arrows.pageDown, toRect(arrows.pageDownAt), -1);
    pageDownSpot->setToolTip(QStringLiteral("page down"));
    pageDownSpot->onClick = [this](Control*) { pageDown(); };

    lineDownSpot = mouseHotSpot(parent, arrows.lineDown, toRect(arrows.lineDownAt), -1);
    lineDownSpot->setToolTip(QStringLiteral("line down"));
    lineDownSpot->onClick = [this](Control*) { lineDown(); };
    lineDownSpot->onMouseDown = [this](Control*) { press(false, lineDownSpot->leftButton()); };
    lineDownSpot->onMouseUp = [this](Control*) { release(false, lineDownSpot->leftButton()); };

    pressedUp = layoutImage(parent, screen, arrows.pressedUp, toRect(arrows.lineUpAt));
    pressedDown = layoutImage(parent, screen, arrows.pressedDown, toRect(arrows.lineDownAt));

    repeat_.bind(arrows.upCode, [this] { lineUp(); });
    repeat_.bind(arrows.downCode, [this] { lineDown(); });
}

void PagedColumn::moved(bool changed)
{
    if (changed && redraw_)
        redraw_();
}

void PagedColumn::lineUp() { moved(pager_.lineUp()); }
void PagedColumn::lineDown() { moved(pager_.lineDown()); }
void PagedColumn::pageUp() { moved(pager_.pageUp()); }
void PagedColumn::pageDown() { moved(pager_.pageDown()); }

void PagedColumn::press(bool up, bool leftButton)
{
    if (!repeat_.press(up ? arrows_.upCode : arrows_.downCode, leftButton))
        return;
    (up ? pressedUp : pressedDown)->bringToFront();
    if (onPressed)
        onPressed();
}

void PagedColumn::release(bool up, bool leftButton)
{
    if (!repeat_.release(leftButton))
        return;
    (up ? pressedUp : pressedDown)->sendToBack();
}

void PagedColumn::putAwayPressed()
{
    pressedUp->sendToBack();
    pressedDown->sendToBack();
}

std::vector<LabelControl*> PagedColumn::makeRows(QWidget* parent, int count, const char* namePrefix,
                                                 int firstNumber,
                                                 const std::function<QRect(int)>& place)
{
    std::vector<LabelControl*> rows;
    for (int k = 0; k < count; ++k) {
        auto* row = hotSpot(parent, "", place(k), -1);
        row->setObjectName(QString::fromLatin1(namePrefix) + QString::number(firstNumber + k));
        rows.push_back(row);
    }
    return rows;
}

} // namespace ovta
