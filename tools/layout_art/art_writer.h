// Writes the painted pictures into an output directory, unless a hand-made
// picture of the same relative path (or the same path ending in ".png") lies
// in the override directory: then that one is copied, after checking that it
// has the size the screens expect.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

namespace ovta::art {

class ArtWriter {
public:
    ArtWriter(QString outDir, QString overrideDir);

    // Writes relPath (".png" keeps the alpha channel, ".bmp" becomes a 24-bit
    // Windows bitmap). Throws std::runtime_error when a file cannot be written
    // or a hand-made picture has the wrong size.
    void write(const QString& relPath, QSize size, const std::function<QImage()>& paint);

    // Writes a Qt resource collection of everything written so far, under the
    // given prefix, as outDir/name.
    void writeQrc(const QString& name, const QString& prefix) const;

    const QStringList& written() const { return written_; }
    const QString& outDir() const { return outDir_; }
    int overridden() const { return overridden_; }

private:
    QImage handMade(const QString& relPath) const;

    QString outDir_;
    QString overrideDir_;
    QStringList written_;
    int overridden_ = 0;
};

} // namespace ovta::art
