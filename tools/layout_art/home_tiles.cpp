#include "home_tiles.h"

#include "menu_art.h"
#include "theme.h"

#include <QPainter>
#include <QRadialGradient>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace ovta::art {

namespace {

using E = Emblem;

EmblemStyle cover(int r, int g, int b)
{
    return {QColor(r, g, b), {}};
}
EmblemStyle letter(const QString& text)
{
    return {QColor(), text};
}

const std::vector<HomeTile>& tiles()
{
    static const std::vector<HomeTile> all = {
        // Landmarks: eight groups of places, two guided lists, the index.
        {"frm01", "Image8", QStringLiteral("المساجد"), E::Dome},
        {"frm01", "Image7", QStringLiteral("المدن"), E::City},
        {"frm01", "Image2", QStringLiteral("الجبال"), E::Mountains},
        {"frm01", "Image4", QStringLiteral("الآبار"), E::Well},
        {"frm01", "Image6", QStringLiteral("القلاع"), E::Fort},
        {"frm01", "Image9", QStringLiteral("المدارس"), E::Books},
        {"frm01", "Image11", QStringLiteral("الغزوات"), E::Swords},
        {"frm01", "Image12", QStringLiteral("الأسواق"), E::Scales},
        {"frm01", "Image13", QStringLiteral("المدينة"), E::Palm},
        {"frm01", "Image3", QStringLiteral("الحج"), E::Kaaba},
        {"frm01", "Image1", QStringLiteral("الفهرس"), E::Index},
        // Notable figures: three alphabetical lists and the book of lives.
        {"frm11", "Image2", QStringLiteral("الصحابة"), E::Medallion, letter(QStringLiteral("ص"))},
        {"frm11", "Image7", QStringLiteral("التابعون"), E::Medallion, letter(QStringLiteral("ت"))},
        {"frm11", "Image1", QStringLiteral("العلماء"), E::Medallion, letter(QStringLiteral("ع"))},
        {"frm11", "Image4", QStringLiteral("التراجم"), E::Book, cover(110, 70, 30)},
        // The Prophet's biography: five books.
        {"frm21", "Image2", QStringLiteral("المولد"), E::Crescent},
        {"frm21", "Image8", QStringLiteral("البعثة"), E::Lamp},
        {"frm21", "Image9", QStringLiteral("الهجرة"), E::Palm},
        {"frm21", "Image1", QStringLiteral("الغزوات"), E::Swords},
        {"frm21", "Image4", QStringLiteral("الشمائل"), E::Rosette},
        // Creeds: five books, five lists, the recited texts.
        {"frm31", "Image4", QStringLiteral("القدر"), E::Quill},
        {"frm31", "Image7", QStringLiteral("التوحيد"), E::Star},
        {"frm31", "Image6", QStringLiteral("الآخرة"), E::Scales},
        {"frm31", "Image2", QStringLiteral("الملائكة"), E::Lamp},
        {"frm31", "Image1", QStringLiteral("الرسل"), E::Scroll},
        {"frm31", "Image8", QStringLiteral("الأسماء"), E::Medallion,
         letter(QStringLiteral("الله"))},
        {"frm31", "Image9", QStringLiteral("المصطلحات"), E::Index},
        {"frm31", "Image10", QStringLiteral("الإيمان"), E::Rosette},
        {"frm31", "Image11", QStringLiteral("الساعة"), E::Hourglass},
        {"frm31", "Image13", QStringLiteral("الغيب"), E::Crescent},
        {"frm31", "Image3", QStringLiteral("المنظومات"), E::Sound},
        // Jurisprudence: ten books, the glossary, the questions, the library.
        {"frm41", "Image3", QStringLiteral("الطهارة"), E::Book, cover(30, 90, 150)},
        {"frm41", "Image2", QStringLiteral("الصلاة"), E::Book, cover(30, 110, 70)},
        {"frm41", "Image6", QStringLiteral("الزكاة"), E::Book, cover(150, 110, 30)},
        {"frm41", "Image1", QStringLiteral("الصيام"), E::Book, cover(90, 40, 120)},
        {"frm41", "Image10", QStringLiteral("الحج"), E::Book, cover(40, 40, 46)},
        {"frm41", "Image4", QStringLiteral("البيوع"), E::Book, cover(130, 70, 30)},
        {"frm41", "Image9", QStringLiteral("النكاح"), E::Book, cover(150, 40, 80)},
        {"frm41", "Image11", QStringLiteral("الفرائض"), E::Book, cover(20, 100, 110)},
        {"frm41", "Image8", QStringLiteral("الجنايات"), E::Book, cover(140, 30, 30)},
        {"frm41", "Image7", QStringLiteral("الأيمان"), E::Book, cover(80, 90, 30)},
        {"frm41", "Image12", QStringLiteral("المصطلحات"), E::Scroll},
        {"frm41", "Image14", QStringLiteral("المسائل"), E::OpenBook, cover(120, 30, 40)},
        {"frm41", "Image15", QStringLiteral("المكتبة"), E::Shelf},
        // History: two books.
        {"frm51", "Image9", QStringLiteral("الخلافة"), E::Hourglass},
        {"frm51", "Image2", QStringLiteral("الدول"), E::City},
        // The Quran.
        {"frm61", "Image2", QStringLiteral("علوم القرآن"), E::Book, cover(30, 110, 70)},
        {"frm61", "Image4", QStringLiteral("التفسير"), E::OpenBook, cover(30, 100, 64)},
        {"frm61", "Image1", QStringLiteral("المصحف"), E::Rehal},
        {"frm61", "Image8", QStringLiteral("الغريب"), E::Quill},
        {"frm61", "Image6", QStringLiteral("التلاوات"), E::Sound},
        // Principles of jurisprudence: three books.
        {"frm71", "Image2", QStringLiteral("الأدلة"), E::Book, cover(34, 62, 140)},
        {"frm71", "Image9", QStringLiteral("الدلالات"), E::Quill},
        {"frm71", "Image8", QStringLiteral("الاجتهاد"), E::Lamp},
        // Sects: the topic list and one book.
        {"frm81", "Image2", QStringLiteral("الفرق"), E::Tree},
        {"frm81", "Image9", QStringLiteral("النشأة"), E::Book, cover(110, 30, 50)},
    };
    return all;
}

// The largest size up to `start` at which the caption's ink fits `width`.
qreal fittingSize(const QString& text, qreal width, qreal start)
{
    for (qreal size = start; size > 8; size -= 0.5) {
        if (captionPath(text, arabicFont(size), QRectF()).boundingRect().width() <= width)
            return size;
    }
    return 8;
}

void paintEnamel(QPainter& p, const QRectF& all, bool lit)
{
    QRadialGradient enamel(all.center() - QPointF(4, 8),
                           std::max(all.width(), all.height()) * 0.72);
    enamel.setColorAt(0, shade(palette::lapis, lit ? 1.45 : 1.0));
    enamel.setColorAt(0.7, shade(palette::deepBlue, lit ? 1.2 : 1.0));
    enamel.setColorAt(1, palette::night);
    p.fillRect(all, enamel);
    paintStarLattice(p, all.adjusted(3, 3, -3, -3), 16, QColor(212, 170, 62, lit ? 46 : 28));
}

} // namespace

const HomeTile& homeTile(const char* kind, const char* image)
{
    for (const HomeTile& tile : tiles())
        if (std::strcmp(tile.kind, kind) == 0 && std::strcmp(tile.image, image) == 0)
            return tile;
    throw std::out_of_range(std::string("no hot-spot picture listed for ") + kind + " " + image);
}

QImage paintHomeTile(const HomeTile& tile)
{
    QImage img(64, 64, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::night);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(img.rect());
    paintEnamel(p, all, false);
    paintEmblem(p, tile.emblem, QRectF(11, 6, 42, 34), false, tile.style);
    paintCaption(p, tile.caption, QRectF(5, 42, 54, 16), fittingSize(tile.caption, 52, 15));
    paintGoldFrame(p, all, 3);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage paintHomeHelp(int tag, QSize size)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::night);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(img.rect());
    paintEnamel(p, all, false);
    paintGoldFrame(p, all, 3);
    const qreal cx = all.center().x();

    // A question mark in a rosette heads the column, then what it opens.
    paintRosette(p, QPointF(cx, 32), 23);
    p.setPen(QPen(palette::goldDark, 0.8));
    p.setBrush(QColor(palette::deepBlue));
    p.drawEllipse(QPointF(cx, 32), 13, 13);
    paintCaption(p, QStringLiteral("؟"), QRectF(cx - 10, 20, 20, 24), 24);
    paintCaption(p, QStringLiteral("دليل"), QRectF(6, 64, all.width() - 12, 22), 19);
    paintCaption(p, QStringLiteral("القسم"), QRectF(6, 88, all.width() - 12, 22), 19);

    // A lamp hangs in the middle of the column.
    p.setPen(QPen(palette::gold, 1.0));
    p.drawLine(QPointF(10, 118), QPointF(all.width() - 10, 118));
    paintEmblem(p, Emblem::Lamp, QRectF(cx - 20, 122, 40, 52), false);

    // The section's name, a word to a line.
    const QString name = menuSections().at(static_cast<std::size_t>(tag - 1)).caption;
    const QStringList words = name.split(QLatin1Char(' '));
    qreal y = 186;
    for (const QString& word : words) {
        paintCaption(p, word, QRectF(5, y, all.width() - 10, 24),
                     fittingSize(word, all.width() - 12, 18));
        y += 26;
    }
    p.setPen(QPen(palette::gold, 1.0));
    p.drawLine(QPointF(10, y + 4), QPointF(all.width() - 10, y + 4));
    paintRosette(p, QPointF(cx, all.height() - 24), 12);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

} // namespace ovta::art
