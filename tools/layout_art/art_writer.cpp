#include "art_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <stdexcept>

namespace ovta::art {

namespace {

[[noreturn]] void fail(const QString& what)
{
    throw std::runtime_error(what.toStdString());
}

} // namespace

ArtWriter::ArtWriter(QString outDir, QString overrideDir)
    : outDir_(std::move(outDir)), overrideDir_(std::move(overrideDir))
{
}

QImage ArtWriter::handMade(const QString& relPath) const
{
    if (overrideDir_.isEmpty())
        return {};
    QStringList candidates{relPath};
    if (!relPath.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        candidates << QFileInfo(relPath).path() + '/' + QFileInfo(relPath).completeBaseName() +
                          ".png";
    for (const QString& candidate : candidates) {
        const QString path = QDir(overrideDir_).filePath(candidate);
        if (!QFileInfo::exists(path))
            continue;
        QImage image(path);
        if (image.isNull())
            fail(QStringLiteral("hand-made picture %1 cannot be read").arg(path));
        return image;
    }
    return {};
}

void ArtWriter::write(const QString& relPath, QSize size, const std::function<QImage()>& paint)
{
    QImage image = handMade(relPath);
    if (!image.isNull()) {
        ++overridden_;
        if (image.size() != size)
            fail(QStringLiteral("hand-made picture for %1 is %2x%3, the screens need %4x%5")
                     .arg(relPath)
                     .arg(image.width())
                     .arg(image.height())
                     .arg(size.width())
                     .arg(size.height()));
    } else {
        image = paint();
        if (image.size() != size)
            fail(QStringLiteral("painted %1 at the wrong size").arg(relPath));
    }

    const QString path = QDir(outDir_).filePath(relPath);
    if (!QDir().mkpath(QFileInfo(path).path()))
        fail(QStringLiteral("cannot create the folder of %1").arg(path));
    const bool bmp = relPath.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive);
    // Plain RGB pixels: the quickest of the formats to read.
    const bool ppm = relPath.endsWith(QLatin1String(".ppm"), Qt::CaseInsensitive);
    if (bmp)
        image = image.convertToFormat(QImage::Format_RGB888);
    if (ppm)
        image = image.convertToFormat(QImage::Format_RGB32);
    // Write through a temporary file, so a build stopped half-way never leaves
    // a truncated picture that looks up to date.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        !image.save(&file, bmp ? "BMP" : ppm ? "PPM" : "PNG") || !file.commit())
        fail(QStringLiteral("cannot write %1").arg(path));
    written_ << relPath;
}

void ArtWriter::writeQrc(const QString& name, const QString& prefix) const
{
    QString xml =
        QStringLiteral("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"%1\">\n")
            .arg(prefix);
    for (const QString& rel : written_) {
        // Plain pixels stay uncompressed: read straight from the program's
        // image, with nothing to unpack first.
        const bool plain = rel.endsWith(QLatin1String(".ppm"), Qt::CaseInsensitive);
        xml += QStringLiteral("  <file%1>%2</file>\n")
                   .arg(plain ? QStringLiteral(" compression-algorithm=\"none\"") : QString(), rel);
    }
    xml += QStringLiteral("</qresource>\n</RCC>\n");
    QSaveFile file(QDir(outDir_).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(xml.toUtf8()) < 0 || !file.commit())
        fail(QStringLiteral("cannot write %1").arg(file.fileName()));
}

} // namespace ovta::art
