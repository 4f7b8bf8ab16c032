#include "search/fulltext_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include "reading/reader_files.h"
#include "search/fulltext_builder.h"
#include "search/fulltext_documents.h"
#include "search/glyph_chart.h"
#include "search/glyph_decoder.h"
#include "search/glyph_edit_box.h"
#include "search/glyph_encoder.h"
#include "search/letter_tables.h"
#include "shell/controls.h"
#include "shell/globals.h"
#include "shell/screen_open.h"
#include "shell/screen_registry.h"
#include "shell/title_list_box.h"
#include "shell/trace.h"
#include "store/content_dir.h"
#include "store/errors.h"

namespace ovta {
namespace {

const QColor kBackground(11, 31, 74);
const QColor kGold(212, 175, 55);
const QColor kListBackground(6, 20, 52);
constexpr int kRowHeight = 46;

// Where Enter on a hit goes once the dialog has closed.
std::optional<TextPlace>& chosenPlace()
{
    static std::optional<TextPlace> place;
    return place;
}

const bool registered = registerScreen(Tfind::Kind, [] { openFullTextSearch(); });

// Unicode text as glyph text for drawing: characters the glyph face has no
// shape for become blanks, so a hit never fails to show.
std::string glyphsFor(const std::string& utf8)
{
    std::u16string text = utf8ToUtf16(utf8);
    for (char16_t& c : text)
        if (c != u' ' && !inGlyphChart(c) && !(c >= 0x064B && c <= 0x0652) && c != 0x0670)
            c = u' ';
    try {
        return encodeGlyphText(utf16ToUtf8(text));
    } catch (const ConversionError&) {
        return {};
    }
}

} // namespace

void openTextPlace(const TextPlace& place, const ContentDir& dir)
{
    if (trace::enabled())
        trace::line("fulltext open " + place.kind + " CurrentItem=" +
                    std::to_string(place.currentItem) + " node=" + std::to_string(place.node));
    globals().CurrentItem = place.currentItem;
    globals().CurrentBook = place.currentBook;
    if (!place.openerFilesFor.empty())
        loadReaderFiles(openerFiles(place.openerFilesFor), dir,
                        {place.locators.c_str(), place.sections.c_str(), place.articles.c_str()});
    openKind(place.kind);
    openHeading(place);
}

void openFullTextSearch()
{
    if (Tfind::instance)
        return;
    chosenPlace().reset();
    openModal<Tfind>();
    const std::optional<TextPlace> place = chosenPlace();
    chosenPlace().reset();
    if (place)
        guard([&] { openTextPlace(*place, ContentDir::current()); });
}

Tfind::Tfind() : Screen(Kind)
{
    resize(Size);
    caption = new LabelControl(this, QStringLiteral("caption"), QRect(20, 12, 560, 30));
    caption->setTransparent(true);
    caption->setGlyphText(glyphsFor("البحث في نصوص المقالات والكتب"), GlyphFace::Glyf02, -22,
                          kGold, Qt::AlignRight);
    query = new GlyphEditBox(this, QStringLiteral("query"), QRect(20, 50, 560, 34),
                             GlyphFace::Glyf02, -19);
    query->setShowsCaret(true);
    query->installEventFilter(this);
    query->onOutcome = [this](EditOutcome what) {
        if (what == EditOutcome::Search)
            search();
        else if (what == EditOutcome::Close)
            closeModal();
    };
    status = new LabelControl(this, QStringLiteral("status"), QRect(20, 90, 560, 26));
    status->setTransparent(true);
    hits = new TitleListBox(this, QStringLiteral("hits"), QRect(20, 120, 560, 284), kRowHeight,
                            kListBackground);
    hits->setScrollBarOnLeft(true);
    hits->onDrawItem = [this](QPainter& p, int row, const QRect& rect, bool selected) {
        drawHit(p, row, rect, selected);
    };
    hits->onKeyDown = [this](int key) {
        if (key == 13)
            openHit(hits->itemIndex());
        else if (key == 27)
            closeModal();
    };
    hits->onDoubleClick = [this](Control*) { openHit(hits->itemIndex()); };
    hits->installEventFilter(this);
    setFocusProxy(query);
    poll_ = new QTimer(this);
    poll_->setInterval(100);
    connect(poll_, &QTimer::timeout, this, [this] { pollBuild(); });
}

Tfind::~Tfind() = default;

void Tfind::FormCreate()
{
    setCaption(QString());
    query->setTables(LetterTables::load(ContentDir::current()));
    FullTextBuilder& builder = fullTextBuilder();
    if (!builder.started()) {
        const ContentDir dir = ContentDir::current();
        builder.start([dir](const auto& add) { collectFullTextDocuments(dir, add); });
        if (trace::enabled())
            trace::line("fulltext index started");
    }
    pollBuild();
}

void Tfind::FormShow()
{
    query->setFocus(Qt::OtherFocusReason);
}

void Tfind::FormActivate()
{
    move(placement());
    query->setFocus(Qt::OtherFocusReason);
}

void Tfind::FormKeyDown(int key)
{
    if (key == 27)
        closeModal();
}

void Tfind::systemClose()
{
    closeModal();
}

QPoint Tfind::placement() const
{
    const QWidget* area = parentWidget();
    if (!area)
        return {};
    return QPoint((area->width() - Size.width()) / 2, (area->height() - Size.height()) / 2);
}

void Tfind::moveEvent(QMoveEvent* event)
{
    Screen::moveEvent(event);
    const QPoint at = placement();
    if (pos() != at)
        move(at);
}

bool Tfind::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return Screen::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == query) {
        if (key->matches(QKeySequence::Paste)) {
            guard([this] { searchUnicode(QApplication::clipboard()->text()); });
            return true;
        }
        if ((key->key() == Qt::Key_Down || key->key() == Qt::Key_PageDown) && hits->count() > 0) {
            hits->setFocus(Qt::OtherFocusReason);
            if (hits->itemIndex() < 0)
                hits->setItemIndex(0);
            return true;
        }
    } else if (watched == hits) {
        const bool atTop = hits->itemIndex() <= 0;
        if ((key->key() == Qt::Key_Up && atTop) || key->key() == Qt::Key_Tab ||
            key->key() == Qt::Key_Backtab) {
            query->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return Screen::eventFilter(watched, event);
}

void Tfind::showStatus(const std::string& utf8)
{
    status->setGlyphText(glyphsFor(utf8), GlyphFace::Glyf01, -17, Qt::white, Qt::AlignRight);
}

void Tfind::search()
{
    pending_ = decodeGlyphTextUtf8(query->text());
    runQuery();
}

void Tfind::searchUnicode(const QString& text)
{
    // Pasted text may hold presentation forms or decomposed letters.
    const QString plain = text.normalized(QString::NormalizationForm_KC).simplified();
    pending_ = plain.toStdString();
    const std::string shown = glyphsFor(pending_);
    query->engine().setText(shown, 0);
    if (query->onChange)
        query->onChange();
    query->update();
    runQuery();
}

void Tfind::pollBuild()
{
    const FullTextBuilder& builder = fullTextBuilder();
    if (!builder.ready()) {
        showStatus("جار إعداد الفهرس: " + std::to_string(builder.documentsSoFar()));
        poll_->start();
        return;
    }
    poll_->stop();
    if (!pending_.empty()) {
        runQuery();
        return;
    }
    if (hits_.empty())
        showStatus("الفهرس جاهز: " + std::to_string(builder.index().size()) + " نصا");
}

void Tfind::runQuery()
{
    const FullTextBuilder& builder = fullTextBuilder();
    if (!builder.ready()) {
        pollBuild();
        return;
    }
    const FullTextIndex& index = builder.index();
    bool more = false;
    hits_ = index.find(pending_, MaxHits, &more);
    hitTitles_.clear();
    hitContexts_.clear();
    hits->clear();
    for (const FullTextHit& hit : hits_) {
        const Document& document = index.document(hit.document);
        const std::string& heading = document.headingAt(hit.offset);
        std::string title = document.title;
        if (!heading.empty() && heading != title)
            title += title.empty() ? heading : " - " + heading;
        hitTitles_.push_back(glyphsFor(title));
        hitContexts_.push_back(glyphsFor(hit.context));
        hits->addItem({});
    }
    if (trace::enabled())
        trace::line("fulltext search text=" + trace::hex(pending_) +
                    " hits=" + std::to_string(hits_.size()) + (more ? "+" : ""));
    if (hits_.empty())
        showStatus("لا نتائج");
    else
        showStatus((more ? "أول " : "") + std::to_string(hits_.size()) + " نتيجة");
    if (!hits_.empty())
        hits->setItemIndex(0);
}

void Tfind::openHit(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= hits_.size())
        return;
    const FullTextHit& hit = hits_[static_cast<std::size_t>(row)];
    chosenPlace() = fullTextBuilder().index().document(hit.document).placeAt(hit.offset);
    closeModal();
}

void Tfind::drawHit(QPainter& p, int row, const QRect& rect, bool selected) const
{
    const auto at = static_cast<std::size_t>(row);
    if (at >= hitTitles_.size())
        return;
    p.fillRect(rect, selected ? QColor(40, 70, 140) : kListBackground);
    const QRect text = rect.adjusted(6, 2, -6, -2);
    p.setPen(kGold);
    GlyphFont::get(GlyphFace::Glyf02, -16)
        .drawAligned(p, QRectF(text.left(), text.top(), text.width(), 20), hitTitles_[at],
                     Qt::AlignRight);
    p.setPen(Qt::white);
    GlyphFont::get(GlyphFace::Glyf01, -16)
        .drawAligned(p, QRectF(text.left(), text.top() + 21, text.width(), 20), hitContexts_[at],
                     Qt::AlignRight);
}

void Tfind::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), kBackground);
    p.setPen(QPen(kGold, 2));
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    p.setPen(QPen(kGold, 1));
    p.drawRect(QRectF(rect()).adjusted(5.5, 5.5, -5.5, -5.5));
}

} // namespace ovta
