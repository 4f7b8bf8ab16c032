// The built glyph fonts as Qt sees them: symbol fonts whose U+F000+b codes
// reach one glyph per chart byte, drawn unshaped so that joined shapes meet.
// The fonts come from the demo build (target demo_fonts); the test finds them
// through OVTA_DEMO_DIR, or in the build's demo folder beside the tests.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "search/glyph_chart.h"
#include "search/glyph_encoder.h"

namespace ovta {
namespace {

struct FontCase {
    const char* file;
    const char* family;
};

void PrintTo(const FontCase& c, std::ostream* os)
{
    *os << c.file;
}

QString fontPath(const char* file)
{
    const QByteArray env = qgetenv("OVTA_DEMO_DIR");
    const QString dir = env.isEmpty()
                            ? QCoreApplication::applicationDirPath() + QStringLiteral("/../demo")
                            : QString::fromLocal8Bit(env);
    return QDir(dir).absoluteFilePath(QString::fromLatin1(file));
}

bool joinsOnLeft(const GlyphChartEntry& e)
{
    return e.form == GlyphForm::Initial || e.form == GlyphForm::Medial;
}

bool joinsOnRight(const GlyphChartEntry& e)
{
    return e.form == GlyphForm::Final || e.form == GlyphForm::Medial;
}

class GlyphFontScreenTest : public ::testing::TestWithParam<FontCase> {
protected:
    void SetUp() override
    {
        path_ = fontPath(GetParam().file);
        if (!QFileInfo::exists(path_))
            GTEST_SKIP() << path_.toStdString()
                         << " not built: build the demo_fonts target, or set OVTA_DEMO_DIR";
    }

    quint32 glyphOf(const QRawFont& font, std::uint8_t byte) const
    {
        const QChar code(static_cast<char16_t>(0xF000 + byte));
        quint32 glyph = 0;
        int count = 1;
        if (!font.glyphIndexesForChars(&code, 1, &glyph, &count) || count != 1)
            return 0;
        return glyph;
    }

    QString path_;
};

TEST_P(GlyphFontScreenTest, LoadsAsASymbolFontOfItsFamily)
{
    const int id = QFontDatabase::addApplicationFont(path_);
    ASSERT_GE(id, 0) << path_.toStdString();
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    EXPECT_EQ(families, QStringList{QString::fromLatin1(GetParam().family)})
        << families.join(QLatin1Char(',')).toStdString();
    EXPECT_TRUE(QFontDatabase::writingSystems(QString::fromLatin1(GetParam().family))
                    .contains(QFontDatabase::Symbol));
    QFontDatabase::removeApplicationFont(id);
}

TEST_P(GlyphFontScreenTest, GivesEachChartByteItsOwnGlyphAndOthersNone)
{
    const QRawFont font(path_, 16);
    ASSERT_TRUE(font.isValid());
    std::map<quint32, std::uint8_t> owner;
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<std::uint8_t>(b);
        const quint32 glyph = glyphOf(font, byte);
        const GlyphChartEntry* e = chartEntry(byte);
        if (!e) {
            EXPECT_EQ(glyph, 0U) << "byte " << b << " is outside the chart";
            continue;
        }
        EXPECT_NE(glyph, 0U) << "byte " << b << " (" << e->note << ")";
        const auto [it, fresh] = owner.emplace(glyph, byte);
        EXPECT_TRUE(fresh) << "bytes " << int(it->second) << " and " << b << " share a glyph";
    }
}

// Glyph text is drawn glyph after glyph at the font's advances: a joined side
// must reach its neighbour without any positioning.
TEST_P(GlyphFontScreenTest, JoinedSidesReachTheirNeighbours)
{
    const QRawFont font(path_, 100, QFont::PreferNoHinting);
    ASSERT_TRUE(font.isValid());
    for (const auto& e : glyphChart()) {
        if (!e.drawn)
            continue;
        const quint32 glyph = glyphOf(font, e.byte);
        const QRectF box = font.boundingRect(glyph);
        const qreal advance = font.advancesForGlyphIndexes(QList<quint32>{glyph}).value(0).x();
        if (joinsOnLeft(e)) {
            EXPECT_LE(box.left(), 0.5) << e.note << " " << formName(e.form);
        }
        if (joinsOnRight(e)) {
            EXPECT_GE(box.right(), advance - 0.5) << e.note << " " << formName(e.form);
        }
    }
}

// Words whose letters all join, drawn as the reader draws glyph text, glyph
// after glyph at the font's advances: each seam is inked. Below 12 px a seam
// can fall on a pixel that the rising stroke of a final noon barely touches;
// the overlap test above covers every size.
TEST_P(GlyphFontScreenTest, JoinedWordsDrawWithoutGaps)
{
    const char* words[] = {"ببببب", "محمد", "سيكتب", "ععع", "فلسطين", "يستطيع"};
    for (int pixels : {12, 16, 24}) {
        const QRawFont font(path_, pixels);
        ASSERT_TRUE(font.isValid());
        for (const char* word : words) {
            const std::string glyphText = encodeGlyphText(word);
            QList<quint32> glyphs;
            for (unsigned char b : glyphText)
                glyphs.append(glyphOf(font, b));
            const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
            QList<QPointF> positions;
            qreal x = 0;
            for (const QPointF& a : advances) {
                positions.append(QPointF(x, 0));
                x += a.x();
            }
            QGlyphRun run;
            run.setRawFont(font);
            run.setGlyphIndexes(glyphs);
            run.setPositions(positions);

            QImage image(int(x) + 2 * pixels, 3 * pixels, QImage::Format_Grayscale8);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setPen(Qt::black);
            painter.drawGlyphRun(QPointF(pixels, 2 * pixels), run);
            painter.end();

            // Where two glyphs meet, the joining stroke on the baseline must
            // be inked across the seam; dots and bowls elsewhere do not count.
            const int baseline = 2 * pixels;
            const int band = std::max(2, pixels / 6);
            auto darkest = [&](int col) {
                int value = 255;
                for (int row = baseline - band; row <= baseline + 1; ++row)
                    value = std::min<int>(value, image.constScanLine(row)[col]);
                return value;
            };
            for (qsizetype i = 1; i < positions.size(); ++i) {
                const int seam = pixels + int(positions[i].x());
                EXPECT_LT(std::max(darkest(seam - 1), darkest(seam)), 160)
                    << word << " at " << pixels << " px: gap before glyph " << i;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, GlyphFontScreenTest,
                         ::testing::Values(FontCase{"glyf01.ttf", "Glyf01"},
                                           FontCase{"glyf01b.ttf", "Glyf02"}),
                         [](const ::testing::TestParamInfo<FontCase>& info) {
                             return std::string(info.param.family);
                         });

} // namespace
} // namespace ovta
