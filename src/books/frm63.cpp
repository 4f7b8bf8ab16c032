#include "books/frm63.h"

#include <exception>

#include "shell/main_menu.h"
#include "shell/media_factory.h"

namespace ovta {
namespace {

const bool registered = registerKinds<Tfrm63>() && registerHeadingOpeners<Tfrm63>();

} // namespace

Tfrm63::Tfrm63() : BookViewer(bookViewerSettings(Kind), state()), med1(createMediaPlayer()) {}

Tfrm63::~Tfrm63() = default;

void Tfrm63::FormCreate()
{
    // The music goes before anything else; the recitation takes the sound.
    if (Tfalam1::instance)
        Tfalam1::instance->suspendMusic();
    med1->setFileName(QStringLiteral("data1\\kenor01.wav"));
    std::exception_ptr failed;
    try {
        med1->open();
    } catch (const MediaError&) {
        // The book still opens; every passage picked reports the sound again.
        failed = std::current_exception();
    }
    BookViewer::FormCreate();
    if (failed)
        std::rethrow_exception(failed);
}

void Tfrm63::leave()
{
    med1->close();
    // Released first: the music's open may wait for the media, and the
    // screen must not be destroyed inside that wait.
    release();
    if (Tfalam1::instance)
        Tfalam1::instance->resumeMusic();
}

void Tfrm63::paneReset()
{
    if (med1->isOpen() && med1->playing())
        med1->pause();
}

void Tfrm63::playPassage(const Passage& passage)
{
    med1->playRange(passage.start, passage.end);
}

} // namespace ovta
