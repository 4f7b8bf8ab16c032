// Glyph text on screen through the installed glyph fonts, and the pointer
// shapes the program loads at start.
#include <QApplication>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QImage>
#include <gtest/gtest.h>

#include "store/content_dir.h"
#include "search/glyph_encoder.h"
#include "shell/controls.h"
#include "shell/glyph_text.h"
#include "shell/pointer.h"
#include "support/fifo_stand_in.h"
#include "support/fixture_dir.h"

namespace ovta {
namespace {

std::filesystem::path demoDir()
{
    const QByteArray env = qgetenv("OVTA_DEMO_DIR");
    const QString dir = env.isEmpty() ? QCoreApplication::applicationDirPath() + "/../demo"
                                      : QString::fromLocal8Bit(env);
    return std::filesystem::path(dir.toStdString());
}

// Columns that hold any ink of the colour drawn.
std::pair<int, int> inkedColumns(const QImage& image)
{
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qRed(image.pixel(x, y)) > 128 && qGreen(image.pixel(x, y)) < 100) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

class GlyphLabel : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(demoDir() / "glyf01.ttf"))
            GTEST_SKIP() << "demo fonts not built";
        ContentDir::setCurrent(demoDir());
        installGlyphFonts();
    }
    void TearDown() override
    {
        removeGlyphFonts();
        ContentDir::setCurrent(".");
    }

    QImage render(const std::string& glyphs, Qt::Alignment alignment, GlyphFace face = GlyphFace::Glyf01)
    {
        QWidget parent;
        parent.resize(300, 40);
        LabelControl label(&parent, "label", QRect(0, 0, 300, 40));
        label.setColor(Qt::white);
        label.setGlyphText(glyphs, face, 14, Qt::red, alignment);
        return label.grab().toImage();
    }
};

TEST_F(GlyphLabel, DrawsTheBytesInTheirFaceAndAlignment)
{
    const std::string word = encodeGlyphText("الموسوعة");
    const GlyphFont& font = GlyphFont::get(GlyphFace::Glyf01, 14);
    ASSERT_TRUE(font.valid());
    const qreal width = font.width(word);
    EXPECT_GT(width, 20);
    EXPECT_LT(width, 200);

    const auto right = inkedColumns(render(word, Qt::AlignRight));
    ASSERT_GE(right.first, 0) << "nothing drawn";
    EXPECT_GE(right.second, 300 - 4) << "right-aligned text ends at the right edge";
    EXPECT_NEAR(right.first, 300 - width, 6);

    const auto left = inkedColumns(render(word, Qt::AlignLeft));
    EXPECT_LE(left.first, 4);
    EXPECT_NEAR(left.second, width, 6);
}

TEST_F(GlyphLabel, ByteOrderIsDrawnLeftToRightUnshaped)
{
    // Two different glyphs swapped must draw two different pictures; the
    // text engine must not reorder or reshape them into the same one.
    const std::string ab("\x4A\xA8", 2), ba("\xA8\x4A", 2);
    EXPECT_NE(render(ab, Qt::AlignLeft), render(ba, Qt::AlignLeft));
    const GlyphFont& font = GlyphFont::get(GlyphFace::Glyf01, 14);
    EXPECT_DOUBLE_EQ(font.width(ab), font.width(ba));
    // Bytes outside the chart draw nothing and take no room.
    EXPECT_EQ(font.width(std::string("\x0A\x0D", 2)), 0);
}

TEST_F(GlyphLabel, SettingTheTextItShowsAlreadyDrawsNothing)
{
    // A credits tick sets every slot again; only the slots that change are
    // drawn again.
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                ++paints;
            return false;
        }
    } counter;
    QWidget parent;
    parent.resize(300, 40);
    LabelControl label(&parent, "label", QRect(0, 0, 300, 40));
    label.setColor(Qt::white);
    const std::string word = encodeGlyphText("الموسوعة");
    label.setGlyphText(word, GlyphFace::Glyf01, 14, Qt::red, Qt::AlignHCenter);
    parent.show();
    QCoreApplication::processEvents();
    label.installEventFilter(&counter);
    const struct {
        const char* change;
        std::string glyphs;
        int pointSize;
        QColor colour;
        bool drawn;
    } steps[] = {
        {"the same again", word, 14, Qt::red, false},
        {"another size", word, 15, Qt::red, true},
        {"the same again", word, 15, Qt::red, false},
        {"another colour", word, 15, Qt::yellow, true},
        {"no text", std::string(), 15, Qt::yellow, true},
        {"still no text", std::string(), 15, Qt::yellow, false},
    };
    for (const auto& step : steps) {
        const int before = counter.paints;
        label.setGlyphText(step.glyphs, GlyphFace::Glyf01, step.pointSize, step.colour,
                           Qt::AlignHCenter);
        QCoreApplication::processEvents();
        EXPECT_EQ(counter.paints > before, step.drawn) << step.change;
    }
}

TEST_F(GlyphLabel, BoldFaceDrawsHeavier)
{
    const std::string word = encodeGlyphText("سلام");
    auto ink = [](const QImage& img) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += qRed(img.pixel(x, y)) > 128 && qGreen(img.pixel(x, y)) < 100;
        return n;
    };
    EXPECT_GT(ink(render(word, Qt::AlignLeft, GlyphFace::Glyf02)),
              ink(render(word, Qt::AlignLeft, GlyphFace::Glyf01)));
}

// A font file that cannot be opened is passed over as if it were missing,
// and a pipe in its place must not hold up start-up.
TEST(GlyphFontInstall, PipesAndDirectoriesInPlaceOfTheFontFilesArePassedOver)
{
    test::FixtureDir content;
    const test::FifoStandIn fifo(content.path() / "glyf01.ttf");
    std::filesystem::create_directories(content.path() / "glyf01b.ttf");
    ContentDir::setCurrent(content.path());
    removeGlyphFonts();
    installGlyphFonts();
    EXPECT_FALSE(GlyphFont::get(GlyphFace::Glyf01, 14).valid());
    EXPECT_FALSE(GlyphFont::get(GlyphFace::Glyf02, 14).valid());
    EXPECT_EQ(fifo.opens(), 0);
    removeGlyphFonts();
    ContentDir::setCurrent(".");
}

TEST_F(GlyphLabel, APipeInPlaceOfOneFontLeavesTheOtherInstalled)
{
    test::FixtureDir content;
    const test::FifoStandIn fifo(content.path() / "glyf01.ttf");
    std::filesystem::copy_file(demoDir() / "glyf01b.ttf", content.path() / "GLYF01B.TTF");
    ContentDir::setCurrent(content.path());
    removeGlyphFonts();
    installGlyphFonts();
    EXPECT_FALSE(GlyphFont::get(GlyphFace::Glyf01, 14).valid());
    EXPECT_TRUE(GlyphFont::get(GlyphFace::Glyf02, 14).valid());
    EXPECT_EQ(fifo.opens(), 0);
}

// Start-up reads the font files first (the faces draw at once) and adds them
// to the system's font list later; adding twice must add once, so that one
// removal takes them away again.
TEST_F(GlyphLabel, ReadFacesDrawAtOnceAndAreListedOnceWhenRegistered)
{
    const auto listed = [] {
        const QStringList families = QFontDatabase::families();
        return std::make_pair(families.contains(QStringLiteral("Glyf01")),
                              families.contains(QStringLiteral("Glyf02")));
    };
    removeGlyphFonts();
    readGlyphFonts();
    EXPECT_TRUE(GlyphFont::get(GlyphFace::Glyf01, 14).valid());
    EXPECT_TRUE(GlyphFont::get(GlyphFace::Glyf02, 14).valid());
    EXPECT_EQ(listed(), std::make_pair(false, false));
    registerGlyphFonts();
    EXPECT_EQ(listed(), std::make_pair(true, true));
    registerGlyphFonts();
    removeGlyphFonts();
    EXPECT_EQ(listed(), std::make_pair(false, false));
}

TEST(PointerShapes, FiveShapesLoadWithTheirHotSpotAtTheTopLeft)
{
    EXPECT_EQ(loadPointerShapes(), 5);
    EXPECT_EQ(pointerShapeCount(), 5);
    for (int n = 1; n <= 5; ++n) {
        const QCursor* shape = pointerShape(n);
        ASSERT_NE(shape, nullptr) << n;
        EXPECT_EQ(shape->hotSpot(), QPoint(0, 0)) << n;
        EXPECT_EQ(shape->pixmap().size(), QSize(32, 32)) << n;
    }
    EXPECT_EQ(pointerShape(6), nullptr);
    EXPECT_EQ(pointerShape(0), nullptr);
}

}  // namespace
}  // namespace ovta
