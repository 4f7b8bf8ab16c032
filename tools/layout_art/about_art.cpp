#include "about_art.h"

#include "hot_spot_art.h"
#include "menu_art.h"
#include "sprite_strip.h"
#include "strip_scenes.h"
#include "theme.h"

#include <QPainter>
#include <QRadialGradient>
#include <QTextOption>

#include <cmath>

namespace ovta::art {

namespace {

constexpr int kScreenW = 640;
constexpr int kScreenH = 480;

void paintScreenGround(QPainter& p, QPointF focus)
{
    const QRectF all(0, 0, kScreenW, kScreenH);
    paintBlueGround(p, all, focus, 470);
    paintStarLattice(p, all, 44, QColor(212, 170, 62, 26));
    QRadialGradient v(QPointF(320, 260), 430);
    v.setColorAt(0.6, QColor(0, 0, 0, 0));
    v.setColorAt(1.0, QColor(0, 0, 0, 120));
    p.fillRect(all, v);
}

// A sunken black well in a gold frame, as the band and the credits sit in.
void paintWell(QPainter& p, const QRect& inside, qreal frame)
{
    const QRectF in(inside);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 4; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, 34));
        p.drawRoundedRect(in.adjusted(-frame - i + 2, -frame - i + 3, frame + i + 2, frame + i + 3),
                          3 + i, 3 + i);
    }
    p.restore();
    p.fillRect(in, Qt::black);
    paintGoldFrame(p, in.adjusted(-frame, -frame, frame, frame), frame);
}

// Right-to-left paragraphs, set with the caption face in a dark ink.
void paintParagraph(QPainter& p, const QRectF& box, const QString& text, qreal size,
                    const QColor& ink, bool bold = false)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(arabicFont(size, bold));
    p.setPen(ink);
    QTextOption option(Qt::AlignRight | Qt::AlignTop);
    option.setTextDirection(Qt::RightToLeft);
    option.setWrapMode(QTextOption::WordWrap);
    p.drawText(box, text, option);
    p.restore();
}

} // namespace

QImage paintAboutBackground()
{
    QImage img(kScreenW, kScreenH, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::night);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintScreenGround(p, QPointF(330, 200));

    paintWell(p, kAboutBandRect, 6);
    // Two rosettes flank the band; the exit sits under the left one.
    paintRosette(p, QPointF(80, 80), 26);
    paintRosette(p, QPointF(560, 80), 26);
    p.drawImage(kAboutExitAt, paintExitHotSpot(false));

    // The program's name on a plaque under the band.
    const QRectF plaque(180, 168, 280, 40);
    paintPlaque(p, plaque);
    paintCaption(p, QStringLiteral("موسوعة الرواق الإسلامية"), plaque.adjusted(14, 2, -14, -2), 24);
    paintCaption(p, QStringLiteral("الإصدار الأول"), QRectF(220, 212, 200, 20), 16);

    // The credits roll in their own well, under a caption.
    paintCaption(p, QStringLiteral("فريق العمل"), QRectF(240, 238, 160, 24), 20);
    paintWell(p, kAboutCreditsRect, 6);
    for (qreal x : {118.0, 522.0})
        paintRosette(p, QPointF(x, kAboutCreditsRect.center().y()), 14);

    // A gold rule and the closing words along the bottom.
    p.fillRect(QRectF(40, 412, 560, 2), goldGradient({40, 0}, {600, 0}));
    paintCaption(p, QStringLiteral("والحمد لله رب العالمين"), QRectF(170, 422, 300, 26), 19);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage paintAboutBand()
{
    using Scene = void (*)(QPainter&);
    static const Scene scenes[] = {
        scenes::jurisprudence, scenes::history,    scenes::landmarks,
        scenes::creeds,        scenes::biography,  scenes::figures,
        scenes::quran,         scenes::principles, scenes::sects,
    };
    const int width = (kAboutStripSlices - 1) * kAboutStripSlice;
    const qreal pitch = qreal(width) / 9;
    const qreal gap = pitch - scenes::kWidth;
    QImage panorama(width, kAboutStripHeight, QImage::Format_ARGB32_Premultiplied);
    panorama.fill(palette::night);
    QPainter p(&panorama);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 9; ++i) {
        const QImage scene = paintWrapped(scenes::kWidth, scenes::kHeight, scenes[i]);
        p.drawImage(QPointF(i * pitch + gap / 2, 0), scene);
    }
    // Between the scenes, and across the wrap, a gold pillar with a star.
    for (int i = 0; i <= 9; ++i) {
        const qreal x = i * pitch;
        const QRectF pillar(x - gap / 2, 0, gap, kAboutStripHeight);
        p.fillRect(pillar, palette::night);
        p.fillRect(pillar.adjusted(gap / 2 - 3, 0, -(gap / 2 - 3), 0),
                   goldGradient(pillar.topLeft(), pillar.topRight()));
        paintRosette(p, QPointF(x, kAboutStripHeight / 2.0), gap / 2 - 0.5);
    }
    p.end();
    return stripFromPanorama(panorama, kAboutStripSlice, kAboutStripSlices, kAboutStripWidth);
}

QImage paintCreditsPicture()
{
    QImage img(350, 270, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::night);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(img.rect());
    paintBlueGround(p, all, QPointF(175, 110), 240);
    paintStarLattice(p, all.adjusted(8, 8, -8, -8), 30, QColor(212, 170, 62, 24));
    paintGoldFrame(p, all.adjusted(1, 2, -1, -1), 7);

    paintRosette(p, QPointF(175, 48), 30);
    const QRectF plaque(40, 86, 270, 38);
    paintPlaque(p, plaque);
    paintCaption(p, QStringLiteral("موسوعة الرواق الإسلامية"), plaque.adjusted(12, 2, -12, -2), 23);
    paintCaption(p, QStringLiteral("الإصدار الأول"), QRectF(100, 128, 150, 22), 17);
    p.fillRect(QRectF(70, 156, 210, 1.5), goldGradient({70, 0}, {280, 0}));
    paintCaption(p, QStringLiteral("إعداد نخبة من الباحثين والمراجعين"), QRectF(30, 164, 290, 24),
                 17);
    paintCaption(p, QStringLiteral("والمصممين والمبرمجين"), QRectF(60, 190, 230, 24), 17);
    paintCaption(p, QStringLiteral("انقر للعودة"), QRectF(120, 232, 110, 18), 13, 0.85);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage paintOverview()
{
    QImage img(kScreenW, kScreenH, QImage::Format_ARGB32_Premultiplied);
    img.fill(palette::night);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintScreenGround(p, QPointF(360, 220));

    // A parchment page in a gold frame carries the text.
    const QRectF page(96, 56, 528, 410);
    QLinearGradient paper(page.topLeft(), page.bottomRight());
    paper.setColorAt(0, QColor(250, 242, 218));
    paper.setColorAt(1, QColor(226, 208, 162));
    p.fillRect(page, paper);
    paintGoldFrame(p, page.adjusted(-6, -6, 6, 6), 6);

    const QRectF title(170, 8, 380, 38);
    paintPlaque(p, title);
    paintCaption(p, QStringLiteral("نظرة عامة على الموسوعة"), title.adjusted(14, 2, -14, -2), 24);

    const QColor ink(40, 30, 20);
    const QColor red(140, 30, 30);
    const QRectF text = page.adjusted(18, 10, -18, -10);
    struct Block {
        QString heading, body;
    };
    const Block blocks[] = {
        {QStringLiteral("أقسام الموسوعة"),
         QStringLiteral("تضم الموسوعة تسعة أقسام: الفقه، والتاريخ، والمعالم، والعقائد، والسيرة "
                        "النبوية، والأعلام، والقرآن الكريم، وأصول الفقه، والفرق. ولكل قسم صفحة "
                        "رئيسية تتحرك خلفها صورة القسم.")},
        {QStringLiteral("الأيقونات"),
         QStringLiteral("كل أيقونة في صفحة القسم تفتح بابا من أبوابه: قائمة موضوعات، أو كتابا "
                        "بفصوله، أو فهرسا، أو تلاوات. انقر الأيقونة لتفتح ما تدل عليه.")},
        {QStringLiteral("لوحة المفاتيح"),
         QStringLiteral("تنقل بين الأيقونات بالسهمين إلى الأعلى وإلى الأسفل أو بمفتاح الجدولة، "
                        "واضغط مفتاح الإدخال لفتح الأيقونة المختارة، ومفتاح الهروب للرجوع.")},
        {QStringLiteral("البحث"),
         QStringLiteral("في قوائم الموضوعات زر للبحث: اكتب الكلمة بحروف عربية لتصل إلى العنوان "
                        "المطلوب.")},
    };
    qreal y = text.top();
    for (const Block& b : blocks) {
        paintParagraph(p, QRectF(text.left(), y, text.width(), 26), b.heading, 19, red, true);
        y += 27;
        const QRectF body(text.left(), y, text.width(), 80);
        paintParagraph(p, body, b.body, 16, ink);
        QFontMetricsF fm(arabicFont(16, false));
        const QRectF used = fm.boundingRect(body, Qt::AlignRight | Qt::TextWordWrap, b.body);
        y += used.height() + 10;
    }

    // The exit sits at the bottom-left, outside the page.
    p.drawImage(kOverviewExitAt, paintExitHotSpot(false));
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

} // namespace ovta::art
