#include "shell/glyph_text.h"

#include <QFontDatabase>
#include <QGlyphRun>
#include <QPainter>
#include <QString>
#include <map>
#include <vector>

#include "store/content_dir.h"
#include "store/content_file.h"
#include "store/errors.h"

namespace ovta {
namespace {

struct Installed {
    QByteArray data[2];  // font file bytes, kept for the raw fonts
    int ids[2] = {-1, -1};
};

Installed& installed()
{
    static Installed fonts;
    return fonts;
}

const char* fileOf(GlyphFace face) { return face == GlyphFace::Glyf01 ? "glyf01.ttf" : "glyf01b.ttf"; }

// A font file that cannot be read is passed over like a missing one: the
// screens then draw with no glyph face.
QByteArray readFontFile(GlyphFace face)
{
    try {
        const std::string bytes = ContentFile::readAll(ContentDir::current(), fileOf(face));
        return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    } catch (const FileError&) {
        return {};
    }
}

std::map<std::pair<int, int>, GlyphFont>& cache()
{
    static std::map<std::pair<int, int>, GlyphFont> fonts;
    return fonts;
}

qreal pixelSize(int pointSize)
{
    return pointSize < 0 ? -pointSize : pointSize * 96.0 / 72.0;
}

}  // namespace

void installGlyphFonts()
{
    readGlyphFonts();
    registerGlyphFonts();
}

void readGlyphFonts()
{
    // Faces asked for before (without the files, or from other files) are
    // made again from what is read now.
    cache().clear();
    auto& fonts = installed();
    for (int i = 0; i < 2; ++i) {
        const auto face = i == 0 ? GlyphFace::Glyf01 : GlyphFace::Glyf02;
        fonts.data[i] = readFontFile(face);
    }
}

void registerGlyphFonts()
{
    auto& fonts = installed();
    for (int i = 0; i < 2; ++i) {
        if (fonts.ids[i] < 0 && !fonts.data[i].isEmpty())
            fonts.ids[i] = QFontDatabase::addApplicationFontFromData(fonts.data[i]);
    }
}

void removeGlyphFonts()
{
    cache().clear();
    auto& fonts = installed();
    for (int& id : fonts.ids) {
        if (id >= 0)
            QFontDatabase::removeApplicationFont(id);
        id = -1;
    }
}

const GlyphFont& GlyphFont::get(GlyphFace face, int pointSize)
{
    const std::pair<int, int> key(static_cast<int>(face), pointSize);
    auto it = cache().find(key);
    if (it == cache().end())
        it = cache().emplace(key, GlyphFont(face, pointSize)).first;
    return it->second;
}

GlyphFont::GlyphFont(GlyphFace face, int pointSize)
{
    const auto& fonts = installed();
    const QByteArray& data = fonts.data[face == GlyphFace::Glyf01 ? 0 : 1];
    if (data.isEmpty())
        return;
    raw_.loadFromData(data, pixelSize(pointSize), QFont::PreferDefaultHinting);
    if (!raw_.isValid())
        return;
    // Symbol fonts map byte b at U+F000+b; some also at b itself.
    for (int b = 0; b < 256; ++b) {
        const QChar symbol(static_cast<char16_t>(0xF000 + b));
        QList<quint32> glyphs = raw_.glyphIndexesForString(QString(symbol));
        quint32 glyph = glyphs.isEmpty() ? 0 : glyphs.first();
        if (glyph == 0 && b >= 0x20) {
            glyphs = raw_.glyphIndexesForString(QString(QChar(static_cast<char16_t>(b))));
            glyph = glyphs.isEmpty() ? 0 : glyphs.first();
        }
        index_[static_cast<std::size_t>(b)] = glyph;
    }
    QList<quint32> all(index_.begin(), index_.end());
    const QList<QPointF> advances = raw_.advancesForGlyphIndexes(all);
    for (int b = 0; b < 256 && b < advances.size(); ++b)
        advance_[static_cast<std::size_t>(b)] = index_[static_cast<std::size_t>(b)] ? advances[b].x() : 0;
}

qreal GlyphFont::width(std::string_view glyphs) const
{
    qreal w = 0;
    for (unsigned char c : glyphs)
        w += advance_[c];
    return w;
}

qreal GlyphFont::ascent() const { return valid() ? raw_.ascent() : 0; }

qreal GlyphFont::height() const { return valid() ? raw_.ascent() + raw_.descent() : 0; }

void GlyphFont::draw(QPainter& painter, const QPointF& origin, std::string_view glyphs) const
{
    if (!valid() || glyphs.empty())
        return;
    QList<quint32> indexes;
    QList<QPointF> positions;
    indexes.reserve(static_cast<qsizetype>(glyphs.size()));
    positions.reserve(static_cast<qsizetype>(glyphs.size()));
    qreal x = 0;
    for (unsigned char c : glyphs) {
        if (index_[c]) {
            indexes.append(index_[c]);
            positions.append(QPointF(x, 0));
        }
        x += advance_[c];
    }
    QGlyphRun run;
    run.setRawFont(raw_);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    painter.drawGlyphRun(origin, run);
}

void GlyphFont::drawAligned(QPainter& painter, const QRectF& box, std::string_view glyphs,
                            Qt::Alignment alignment) const
{
    const qreal w = width(glyphs);
    qreal x = box.left();
    if (alignment & Qt::AlignRight)
        x = box.right() - w;
    else if (alignment & Qt::AlignHCenter)
        x = box.left() + (box.width() - w) / 2;
    draw(painter, QPointF(x, box.top() + ascent()), glyphs);
}

}  // namespace ovta
