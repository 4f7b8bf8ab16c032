#include "shell/media_factory.h"

#include "shell/lazy_media_player.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

#ifndef OVTA_MEDIA_INSTALL_DIR
#define OVTA_MEDIA_INSTALL_DIR "../lib/ovta"
#endif

namespace ovta {
namespace {

MediaPlayerFactory& factory()
{
    static MediaPlayerFactory f;
    return f;
}

// withDisplay: 1 for a player that shows a picture, 0 for sound alone.
using CreateFn = MediaPlayer* (*)(int withDisplay);

struct Module {
    CreateFn create = nullptr;
    std::string failure;
};

const QString moduleFile = QStringLiteral("ovta-media.so");

QStringList moduleCandidates()
{
    const QByteArray dir = qgetenv("OVTA_MEDIA_DIR");
    if (!dir.isEmpty())
        return {QDir(QString::fromLocal8Bit(dir)).filePath(moduleFile)};
    const QString appDir = QCoreApplication::applicationDirPath();
    return {QDir(appDir).filePath(moduleFile),
            QDir(QDir(appDir).filePath(QStringLiteral(OVTA_MEDIA_INSTALL_DIR))).filePath(moduleFile)};
}

// Loaded once and kept for the life of the process: players made from it
// may live until exit.
const Module& module()
{
    static const Module loaded = [] {
        Module m;
        const QStringList candidates = moduleCandidates();
        for (const QString& path : candidates) {
            if (!QFileInfo::exists(path))
                continue;
            QLibrary library(path);
            if (!library.load()) {
                m.failure = "media support cannot be loaded: " + library.errorString().toStdString();
                return m;
            }
            m.create = reinterpret_cast<CreateFn>(library.resolve("ovta_make_media_player"));
            if (!m.create)
                m.failure = "media support is damaged: " + path.toStdString();
            if (trace::enabled())
                trace::line("media module " + path.toStdString());
            return m;
        }
        m.failure = "media support is not installed (" + moduleFile.toStdString() + " not found)";
        return m;
    }();
    return loaded;
}

}  // namespace

std::unique_ptr<MediaPlayer> makeModulePlayer(bool withDisplay)
{
    const Module& m = module();
    if (!m.create)
        throw MediaError(m.failure);
    return std::unique_ptr<MediaPlayer>(m.create(withDisplay ? 1 : 0));
}

std::unique_ptr<MediaPlayer> createMediaPlayer()
{
    if (factory())
        return factory()();
    return std::make_unique<LazyMediaPlayer>(makeModulePlayer);
}

void setMediaPlayerFactory(MediaPlayerFactory f) { factory() = std::move(f); }

}  // namespace ovta
