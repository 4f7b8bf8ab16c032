#include "page_art.h"

#include "art_writer.h"
#include "reading_art.h"
#include "theme.h"

#include "demo/page_bitmap.h"
#include "demo/page_zones.h"
#include "pages/page_layout.h"

#include <QDir>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QTextOption>

#include <stdexcept>

namespace ovta::art {

namespace {

using layout::Box;
using layout::kFrm62;

constexpr qreal kPressedLift = 1.3;

QString arabicNumber(int n)
{
    QString out;
    for (QChar c : QString::number(n))
        out += QChar(0x0660 + c.digitValue());
    return out;
}

QString chapterName(int chapter)
{
    return QStringLiteral("سورة ") + arabicNumber(chapter);
}

enum class Glyph { Close, NextPage, PreviousPage, NextChapter, PreviousChapter, Index };

// Chevrons pointing left (onward, as the work reads right to left) or right.
void paintChevrons(QPainter& p, QPointF c, qreal size, bool onward, int count, const QColor& ink)
{
    const qreal w = size * 0.45, h = size;
    const qreal s = onward ? -1 : 1;
    p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < count; ++i) {
        const qreal dx = (i - (count - 1) / 2.0) * w * 1.2;
        QPainterPath v;
        v.moveTo(c.x() + dx - s * w / 2, c.y() - h / 2);
        v.lineTo(c.x() + dx + s * w / 2, c.y());
        v.lineTo(c.x() + dx - s * w / 2, c.y() + h / 2);
        p.drawPath(v);
    }
}

void paintGlyph(QPainter& p, const QRectF& well, Glyph glyph, const QColor& ink)
{
    const QPointF c = well.center();
    const qreal size = std::min(well.width(), well.height()) * 0.5;
    switch (glyph) {
    case Glyph::Close:
        p.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-size / 2, -size / 2), c + QPointF(size / 2, size / 2));
        p.drawLine(c + QPointF(size / 2, -size / 2), c + QPointF(-size / 2, size / 2));
        break;
    case Glyph::PreviousPage: paintChevrons(p, c, size, false, 1, ink); break;
    case Glyph::PreviousChapter: paintChevrons(p, c, size, false, 2, ink); break;
    case Glyph::NextPage:
    case Glyph::NextChapter: {
        // The wide buttons: the chevrons at the left, a word at the right.
        const bool page = glyph == Glyph::NextPage;
        paintChevrons(p, QPointF(well.left() + well.height() * 0.55, c.y()), size, true,
                      page ? 1 : 2, ink);
        const QRectF word(well.left() + well.height() * 0.9, well.top(),
                          well.width() - well.height() * 0.95, well.height());
        const QPainterPath path = captionPath(
            page ? QStringLiteral("صفحة") : QStringLiteral("سورة"), arabicFont(15), word);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(path);
        break;
    }
    case Glyph::Index: {
        // Three rows of three cells: the index picture in small.
        const qreal cell = size * 0.55;
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        for (int r = -1; r <= 1; ++r)
            for (int k = -1; k <= 1; ++k)
                p.drawRect(QRectF(c.x() + k * cell * 1.25 - cell / 2,
                                  c.y() + r * cell * 1.25 - cell / 2, cell, cell));
        break;
    }
    }
}

// One button of the bar, filling `box`: gold rim, blue enamel, its glyph;
// pressed, the enamel is lit and the glyph sinks a little.
void paintBarButton(QPainter& p, const QRectF& box, Glyph glyph, bool pressed)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal lift = pressed ? kPressedLift : 1.0;
    const QRectF body = box.adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(body, 5, 5);
    p.setPen(QPen(palette::ink, 1));
    p.setBrush(goldGradient(body.topLeft(), body.bottomLeft(), lift));
    p.drawPath(shape);
    const QRectF well = body.adjusted(2.5, 2.5, -2.5, -2.5);
    QLinearGradient enamel(well.topLeft(), well.bottomLeft());
    enamel.setColorAt(0, pressed ? shade(palette::lapis, 1.5) : palette::lapis);
    enamel.setColorAt(1, pressed ? palette::lapis : palette::night);
    QPainterPath inner;
    inner.addRoundedRect(well, 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(enamel);
    p.drawPath(inner);
    if (pressed)
        p.translate(0.5, 1);
    paintGlyph(p, well, glyph, pressed ? palette::goldGlow : palette::goldLight);
    p.restore();
}

struct BarButton {
    const char* pressedName; // nullptr: no pressed picture
    Box box;
    Glyph glyph;
};

const BarButton kButtons[] = {
    {nullptr, kFrm62.close, Glyph::Close},
    {"mg4", kFrm62.nextPage, Glyph::NextPage},
    {"mg3", kFrm62.previousPage, Glyph::PreviousPage},
    {"mg5", kFrm62.nextChapter, Glyph::NextChapter},
    {"mg2", kFrm62.previousChapter, Glyph::PreviousChapter},
    {nullptr, kFrm62.back, Glyph::Index},
};

QImage paintPressedButton(const BarButton& b)
{
    QImage img(b.box.w, b.box.h, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::deepBlue);
    QPainter p(&img);
    paintBarButton(p, QRectF(0, 0, b.box.w, b.box.h), b.glyph, true);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

// --- Pages -------------------------------------------------------------------

// Our own lines for the demo pages: what the viewer is and how it is used.
const char* const kPageLines[] = {
    "هذه صفحة من نسخة العرض رسمها البرنامج لتجربة عارض الصفحات",
    "تنتقل بين الصفحات بأزرار الشريط في أسفل الشاشة",
    "الزر الأيمن يعيدك إلى الفهرس والزر الأيسر يغلق العارض",
    "لكل سورة منطقة في صورة الفهرس تفتح أول صفحاتها",
    "تقلب الصفحات اثنتين اثنتين كما تقلب أوراق الكتاب",
    "رقم الصفحة في رأسها وفي أسفلها، واسم السورة في رأسها",
    "زرا السورة ينقلانك إلى أول صفحة من السورة السابقة أو التالية",
    "ألوان هذه الصفحات قليلة حتى يبقى حجم كل صورة صغيرا",
    "اختر سورة أخرى من الفهرس متى شئت ثم عد إلى القراءة",
    "تظهر كل صفحة على الشاشة كلها فوق صورة الفهرس",
    "إذا غابت صورة صفحة أخبرك البرنامج وبقي الشريط يعمل",
    "يحيط إطار أحمر بالمنطقة التي يقف عليها المؤشر في الفهرس",
};
constexpr int kLineCount = sizeof kPageLines / sizeof kPageLines[0];

const QColor kPaper(246, 238, 214);
const QColor kInk(40, 28, 16);
const QColor kRule(150, 104, 36);

// The page's few colours: a ramp from ink to paper, and one from the rule
// colour to paper, for the soft edges of letters and lines.
std::vector<std::uint32_t> pagePalette()
{
    std::vector<std::uint32_t> out;
    auto ramp = [&out](const QColor& from, int steps) {
        for (int i = 0; i < steps; ++i) {
            const qreal t = qreal(i) / steps;
            const QColor c = QColor::fromRgbF(from.redF() + (kPaper.redF() - from.redF()) * t,
                                              from.greenF() + (kPaper.greenF() - from.greenF()) * t,
                                              from.blueF() + (kPaper.blueF() - from.blueF()) * t);
            out.push_back(c.rgb() & 0xFFFFFF);
        }
    };
    out.push_back(kPaper.rgb() & 0xFFFFFF);
    ramp(kInk, 2);
    ramp(kRule, 2);
    return out;
}

demo::IndexedPicture reduced(const QImage& page, const std::vector<std::uint32_t>& palette)
{
    demo::IndexedPicture out;
    out.width = page.width();
    out.height = page.height();
    out.palette = palette;
    out.pixels.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
    QHash<QRgb, std::uint8_t> nearest;
    const QImage rgb = page.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < out.width; ++x) {
            const QRgb c = line[x] & 0xFFFFFF;
            auto it = nearest.find(c);
            if (it == nearest.end()) {
                int best = 0, bestDistance = 1 << 30;
                for (std::size_t i = 0; i < palette.size(); ++i) {
                    const int dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]),
                              db = qBlue(c) - qBlue(palette[i]);
                    const int d = dr * dr + dg * dg + db * db;
                    if (d < bestDistance) {
                        bestDistance = d;
                        best = static_cast<int>(i);
                    }
                }
                it = nearest.insert(c, static_cast<std::uint8_t>(best));
            }
            out.pixels[static_cast<std::size_t>(y) * out.width + x] = *it;
        }
    }
    return out;
}

void checkReadsBack(const std::string& bytes, const demo::IndexedPicture& picture,
                    const QString& name)
{
    const QImage back = QImage::fromData(
        QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())), "BMP");
    if (back.size() != QSize(picture.width, picture.height))
        throw std::runtime_error("page picture " + name.toStdString() + " does not read back");
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t want =
                picture.palette[picture.pixels[static_cast<std::size_t>(y) * picture.width + x]];
            if ((back.pixel(x, y) & 0xFFFFFF) != want)
                throw std::runtime_error("page picture " + name.toStdString() +
                                         " reads back with other pixels");
        }
}

} // namespace

QImage paintPageIndex()
{
    using namespace demo;
    QImage img(kIndexWidth, kIndexHeight, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::night);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, kIndexWidth, kIndexHeight);
    paintBlueGround(p, all, QPointF(320, 220), 440);
    paintStarLattice(p, all, 40, QColor(212, 170, 62, 18));
    paintCaption(p, QStringLiteral("فهرس السور"), QRectF(220, 1, 200, kZoneTop - 3), 20);
    for (qreal x : {40.0, 600.0})
        paintRosette(p, QPointF(x, kZoneTop / 2.0), 10);

    for (int k = 1; k <= kPageChapters; ++k) {
        const PageZone z = pageZone(k);
        const QRectF cell(z.left, z.top, z.right - z.left, z.bottom - z.top);
        const int row = (k - 1) % kZoneRows;
        p.fillRect(cell, row % 2 == 0 ? QColor(18, 40, 96) : QColor(12, 30, 76));
        paintCaption(p, chapterName(k), cell.adjusted(4, 0, -4, 0), 13);
    }
    // The lines between cells, in a thin gold.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(212, 170, 62, 120), 1));
    const int gridLeft = kZoneLeft, gridRight = kZoneLeft + kZoneColumns * kZoneWidth;
    const int gridBottom = kZoneTop + kZoneRows * kZoneHeight;
    for (int r = 0; r <= kZoneRows; ++r)
        p.drawLine(gridLeft, kZoneTop + r * kZoneHeight, gridRight - 1, kZoneTop + r * kZoneHeight);
    for (int c = 0; c <= kZoneColumns; ++c)
        p.drawLine(gridLeft + c * kZoneWidth, kZoneTop, gridLeft + c * kZoneWidth, gridBottom);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage paintPageBar()
{
    const Box& bar = kFrm62.bar;
    QImage img(bar.w, bar.h, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::night);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, bar.w, bar.h);
    paintBlueGround(p, all, QPointF(bar.w / 2.0, 0), bar.w * 0.7);
    paintGoldFrame(p, all, 2);
    for (const BarButton& b : kButtons)
        paintBarButton(p, rectOf(b.box), b.glyph, false);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage paintPage(int page)
{
    using namespace demo;
    const QRectF all(0, 0, kIndexWidth, kIndexHeight);
    QImage img(kIndexWidth, kIndexHeight, QImage::Format_RGB32);
    img.fill(kPaper);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Double rules over and under the text block, on whole pixels: lines
    // down the page would cost runs in every row of the picture.
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int y : {14, 446}) {
        p.fillRect(QRect(24, y, 592, 2), kRule);
        p.fillRect(QRect(24, y + 4, 592, 1), kRule);
    }
    p.setRenderHint(QPainter::Antialiasing);

    const int chapter = chapterOfPage(page);
    QTextOption right(Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter);
    right.setTextDirection(Qt::RightToLeft);
    QTextOption left(Qt::AlignAbsolute | Qt::AlignLeft | Qt::AlignVCenter);
    left.setTextDirection(Qt::RightToLeft);
    QTextOption centre(Qt::AlignCenter);
    centre.setTextDirection(Qt::RightToLeft);
    p.setPen(kInk);
    p.setFont(arabicFont(18));
    p.drawText(QRectF(40, 22, 560, 34), QStringLiteral("صفحة ") + arabicNumber(page), right);
    p.drawText(QRectF(40, 22, 560, 34), chapterName(chapter), left);
    p.setPen(QPen(kRule, 1));
    p.drawLine(QPointF(40, 60), QPointF(600, 60));

    qreal y = 74;
    // A heading for each chapter that begins on this page.
    const auto first = chapterFirstPages();
    for (int k = 1; k <= kPageChapters; ++k) {
        if (first[static_cast<std::size_t>(k - 1)] != page)
            continue;
        const QRectF band(170, y, 300, 34);
        p.setPen(QPen(kRule, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(band, 17, 17);
        p.setPen(kInk);
        p.setFont(arabicFont(20));
        p.drawText(band, chapterName(k), centre);
        y += 44;
    }
    p.setFont(arabicFont(21, false));
    p.setPen(kInk);
    for (int i = 0; i < 3 && y + 40 <= 380; ++i) {
        const int line = (page * 5 + i * 7) % kLineCount;
        p.drawText(QRectF(48, y, 544, 40), QString::fromUtf8(kPageLines[line]), right);
        y += 44;
    }
    // The page number at the foot, in a small medallion.
    const QPointF foot(320, 414);
    p.setPen(QPen(kRule, 1.5));
    p.drawEllipse(foot, 22, 18);
    p.setPen(kInk);
    p.setFont(arabicFont(20));
    p.drawText(QRectF(foot.x() - 22, foot.y() - 18, 44, 36), arabicNumber(page), centre);
    p.end();
    return img;
}

void writePageResources(ArtWriter& out)
{
    out.write(QStringLiteral("frm62/m2.png"), {kFrm62.picture.w, kFrm62.picture.h}, paintPageIndex);
    out.write(QStringLiteral("frm62/mg1.png"), {kFrm62.bar.w, kFrm62.bar.h}, paintPageBar);
    for (const BarButton& b : kButtons) {
        if (!b.pressedName)
            continue;
        out.write(QStringLiteral("frm62/%1.png").arg(QLatin1String(b.pressedName)),
                  {b.box.w, b.box.h}, [&b] { return paintPressedButton(b); });
    }
}

void writePagePictures(const QString& contentDir)
{
    const QString folder = QDir(contentDir).filePath(QStringLiteral("data1"));
    if (!QDir().mkpath(folder))
        throw std::runtime_error("cannot create " + folder.toStdString());
    const auto palette = pagePalette();
    for (int page = 1; page <= demo::kLastPage; page += 2) {
        const QString name = QStringLiteral("page%1.bmp").arg(page, 3, 10, QChar('0'));
        const demo::IndexedPicture picture = reduced(paintPage(page), palette);
        const std::string bytes = demo::rle8Bitmap(picture);
        checkReadsBack(bytes, picture, name);
        // Through a temporary file: a stopped build leaves no half picture.
        QSaveFile file(QDir(folder).filePath(name));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
                static_cast<qint64>(bytes.size()) ||
            !file.commit())
            throw std::runtime_error("cannot write " + name.toStdString());
    }
}

} // namespace ovta::art
