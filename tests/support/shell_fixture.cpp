#include "support/shell_fixture.h"

#include <QApplication>
#include <QTest>

#include "store/content_dir.h"
#include "shell/application.h"
#include "support/fake_media_player.h"
#include "shell/globals.h"
#include "shell/media_factory.h"
#include "shell/screen.h"
#include "shell/screen_registry.h"
#include "shell/screen_stack.h"
#include "shell/stand_in.h"
#include "shell/trace.h"

namespace ovta::test {

void ShellTest::SetUp()
{
    resetGlobals();
    ContentDir::setCurrent(content.path());
    errors = std::make_unique<RecordErrors>();
    traceCapture = std::make_unique<TraceCapture>();
    setTerminateHandler([this] { ++terminateRequests; });
    // As the program does: kinds not built yet open the stand-in.
    setUnregisteredKindOpener([](const std::string& kind) { openStandIn(kind); });
    setMediaPlayerFactory([this] {
        auto player = std::make_unique<FakeMediaPlayer>();
        for (const auto& [name, length] : media_) {
            if (length < 0)
                player->addUnplayable(QString::fromStdString(name));
            else
                player->addFile(QString::fromStdString(name), length);
        }
        players.push_back(player.get());
        return player;
    });
    backdrop = new TForm6;
    backdrop->resize(1024, 768);
    backdrop->show();
    settle();
}

void ShellTest::TearDown()
{
    delete backdrop;
    ScreenStack::instance().setBackdrop(nullptr);
    settle();
    setMediaPlayerFactory(nullptr);
    setTerminateHandler(nullptr);
    traceCapture.reset();
    trace::setEnabled(false);
    fakePointer_.reset();
    errors.reset();
    ContentDir::setCurrent(".");
}

void ShellTest::settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}


}  // namespace ovta::test
