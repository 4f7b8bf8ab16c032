#include "search/search_dialog.h"

#include <QMessageBox>
#include <QPainter>

#include "store/content_dir.h"
#include "search/glyph_edit_box.h"
#include "search/letter_tables.h"
#include "search/option_button.h"
#include "search/title_search.h"
#include "shell/globals.h"
#include "shell/layout_picture.h"
#include "shell/lowered_panel.h"
#include "shell/screen_open.h"
#include "shell/screen_registry.h"
#include "shell/screen_stack.h"
#include "shell/search_host.h"
#include "shell/trace.h"

namespace ovta {
namespace {

// The box's text is Glyf01 bold: the bold face of the same encoding.
constexpr GlyphFace kBoxFace = GlyphFace::Glyf02;
constexpr int kBoxPixels = -19;
constexpr int kLabelPixels = -21;
const QColor kCaretColour(255, 0, 255);

QPixmap art(const char* name)
{
    return layoutPicture(QStringLiteral("sear"), QString::fromLatin1(name));
}

Tsear::MessageBox& messageBox()
{
    static Tsear::MessageBox show;
    return show;
}

const bool registered = registerScreen(Tsear::Kind, [] { openModal<Tsear>(); });

} // namespace

void openSearchDialog(int source)
{
    globals().SearchSource = source;
    openModal<Tsear>();
}

void Tsear::setMessageBox(MessageBox show)
{
    messageBox() = std::move(show);
}

Tsear::Tsear() : Screen(Kind)
{
    resize(Size);
    Image1 = new ImageControl(this, QStringLiteral("Image1"), QRect(QPoint(0, 0), Size));
    Image1->setPicture(art("Image1"));
    me1 =
        new GlyphEditBox(this, QStringLiteral("me1"), QRect(24, 22, 224, 33), kBoxFace, kBoxPixels);
    Panel1 = new LoweredPanel(this, QStringLiteral("Panel1"), QRect(25, 24, 221, 28));
    labe = new LabelControl(Panel1, QStringLiteral("labe"), QRect(1, 1, 219, 26));
    labe->setTransparent(true);
    labe->setGlyphText({}, kBoxFace, kLabelPixels, Qt::blue, Qt::AlignRight);
    Shp1 = new PanelControl(Panel1, QStringLiteral("Shp1"), QRect(220, 3, 1, 25), kCaretColour);
    rad1 = new OptionButton(this, QStringLiteral("rad1"), QRect(231, 68, 15, 15));
    rad2 = new OptionButton(this, QStringLiteral("rad2"), QRect(104, 68, 15, 14));
    Label3 = hotSpot(this, "Label3", QRect(152, 64, 81, 25), 2);
    Label3->onClick = [this](Control*) { rad1->setChecked(true); };
    Label4 = hotSpot(this, "Label4", QRect(24, 64, 81, 25), 2);
    Label4->onClick = [this](Control*) { rad2->setChecked(true); };
    Image2 = new ImageControl(this, QStringLiteral("Image2"), QRect(151, 94, 96, 31));
    Image2->setPicture(art("Image2"));
    Image3 = new ImageControl(this, QStringLiteral("Image3"), QRect(24, 94, 93, 29));
    Image3->setPicture(art("Image3"));
    Label2 = hotSpot(this, "Label2", QRect(149, 92, 100, 35), -1);
    Label2->onMouseDown = [this](Control*) { Image2->bringToFront(); };
    Label2->onMouseUp = [this](Control*) { Image2->sendToBack(); };
    Label2->onClick = [this](Control*) { Label2Click(); };
    Label1 = hotSpot(this, "Label1", QRect(22, 92, 97, 33), -1);
    Label1->onMouseDown = [this](Control*) { Image3->bringToFront(); };
    Label1->onMouseUp = [this](Control*) { Image3->sendToBack(); };
    Label1->onClick = [this](Control*) { Label1Click(); };

    me1->onChange = [this] { me1Change(); };
    me1->onOutcome = [this](EditOutcome what) { outcome(what); };
    setFocusProxy(me1);
    Timer2 = new Timer(this, 250, true, [this] { Timer2Timer(); });
}

Tsear::~Tsear() = default;

void Tsear::FormCreate()
{
    Image2->sendToBack();
    Image3->sendToBack();
    setCaption(QString());
    source_ = globals().SearchSource;
    me1->setTables(LetterTables::load(ContentDir::current()));
    host_ = searchHost(source_);
}

void Tsear::FormShow()
{
    rad1->setChecked(true);
    me1->setFocus(Qt::OtherFocusReason);
}

void Tsear::FormActivate()
{
    move(placement());
    me1->setFocus(Qt::OtherFocusReason);
}

// The dialog stands where it would over the centred 640x480 screens, on a
// backdrop of any size.
QPoint Tsear::placement() const
{
    const QWidget* area = parentWidget();
    if (!area)
        return Place;
    return QPoint((area->width() - 640) / 2, (area->height() - 480) / 2) + Place;
}

void Tsear::moveEvent(QMoveEvent* event)
{
    Screen::moveEvent(event);
    // The backdrop centres every screen when it is resized; a dialog keeps
    // its own place.
    const QPoint at = placement();
    if (pos() != at)
        move(at);
}

void Tsear::systemClose()
{
    closeModal();
}

void Tsear::Label1Click()
{
    closeModal();
}

SearchHost* Tsear::host() const
{
    // The host may have gone while the dialog was open.
    SearchHost* now = searchHost(source_);
    return now == host_ ? host_ : nullptr;
}

void Tsear::Label2Click()
{
    const std::string_view needle = trimSearchText(me1->text());
    if (needle.empty())
        return;
    SearchHost* list = host();
    if (!list)
        return;
    // The list of frm47 is not windowed by ListTop: search on after its
    // selected row.
    const std::int64_t after = source_ == 47 ? list->selectedRow() : globals().ListTop;
    const std::int64_t start = rad1->checked() ? 0 : after + 1;
    const auto hit = findTitle(list->searchTitles(), needle, start);
    if (trace::enabled())
        trace::line("search source=" + std::to_string(source_) + " from=" + std::to_string(start) +
                    " text=" + trace::hex(needle) +
                    " hit=" + (hit ? std::to_string(*hit) : std::string("none")));
    if (!hit)
        return;
    const int row = static_cast<int>(*hit);
    if (source_ == 47) {
        list->selectAndOpen(row);
    } else {
        globals().ListTop = row;
        list->refreshFromListTop();
        if (source_ == 5 || source_ == 34)
            list->openFirstRow();
    }
    // Whatever the opener showed, the modal dialog stays in front of it.
    if (isModal() && ScreenStack::instance().top() != this)
        ScreenStack::instance().push(this);
}

void Tsear::me1Change()
{
    labe->setGlyphText(me1->text(), kBoxFace, kLabelPixels, Qt::blue, Qt::AlignRight);
    const qreal width = GlyphFont::get(kBoxFace, kLabelPixels).width(me1->text());
    Shp1->move(labe->x() + labe->width() - qRound(width), Shp1->y());
}

void Tsear::Timer2Timer()
{
    Shp1->setVisible(!Shp1->isVisible());
    const int right = labe->x() + labe->width();
    const std::string& caption = labe->glyphText();
    int left = right - 2;
    if (!caption.empty()) {
        const std::size_t caret = std::min(me1->caret(), caption.size());
        left = right - qRound(GlyphFont::get(kBoxFace, kLabelPixels)
                                  .width(std::string_view(caption).substr(caret)));
    }
    Shp1->setGeometry(left, labe->y() + 1, Shp1->width(), labe->height() - 2);
}

void Tsear::outcome(EditOutcome what)
{
    switch (what) {
    case EditOutcome::Search: Label2Click(); break;
    case EditOutcome::Close: Label1Click(); break;
    case EditOutcome::WrongLayout:
        if (messageBox()) {
            messageBox()(ShapingEngine::WrongLayoutText, ShapingEngine::WrongLayoutCaption);
        } else {
            QMessageBox box(
                QMessageBox::NoIcon, QString::fromLatin1(ShapingEngine::WrongLayoutCaption),
                QString::fromLatin1(ShapingEngine::WrongLayoutText), QMessageBox::Ok, this);
            box.exec();
        }
        break;
    case EditOutcome::None: break;
    }
}

} // namespace ovta
