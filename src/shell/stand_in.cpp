#include "shell/stand_in.h"

#include <QLinearGradient>
#include <QPainter>

#include "shell/globals.h"
#include "shell/screen_open.h"
#include "shell/trace.h"

namespace ovta {

TStandIn::TStandIn(const std::string& kind, bool modal)
    : Screen(kind), modal_(modal)
{
    const Globals& g = globals();
    details_ = QStringLiteral("CurrentItem %1   CurrentBook %2   ListTop %3   SearchSource %4")
                   .arg(g.CurrentItem)
                   .arg(g.CurrentBook)
                   .arg(g.ListTop)
                   .arg(g.SearchSource);
    if (modal_)
        resize(349, 268);
}

void TStandIn::FormKeyDown(int key)
{
    if (key == 27)
        leave();
}

void TStandIn::FormClick()
{
    if (modal_)
        leave();
}

void TStandIn::leave()
{
    if (modal_)
        closeModal();
    else
        release();
}

void TStandIn::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, QColor(16, 34, 84));
    fill.setColorAt(1, QColor(6, 14, 40));
    p.fillRect(rect(), fill);
    p.setPen(QPen(QColor(212, 175, 55), 3));
    p.drawRect(rect().adjusted(6, 6, -7, -7));
    p.setPen(QColor(240, 214, 120));
    QFont title = font();
    title.setPointSize(modal_ ? 16 : 24);
    title.setBold(true);
    p.setFont(title);
    p.drawText(rect().adjusted(0, 0, 0, -height() / 3), Qt::AlignCenter, objectName());
    QFont body = font();
    body.setPointSize(modal_ ? 8 : 11);
    p.setFont(body);
    p.setPen(QColor(220, 225, 240));
    p.drawText(rect().adjusted(12, height() / 3, -12, 0), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("This screen comes in a later version.\n\n%1\n\nEsc returns.")
                   .arg(details_));
}

void openStandIn(const std::string& kind, bool modal)
{
    traceOpen(kind.c_str());
    auto* screen = new TStandIn(kind, modal);
    TStandIn::instance = screen;
    if (!modal) {
        screen->showScreen();
        return;
    }
    QPointer<TStandIn> guardPtr = screen;
    screen->showModal();
    if (guardPtr)
        guardPtr->deleteLater();
}

}  // namespace ovta
