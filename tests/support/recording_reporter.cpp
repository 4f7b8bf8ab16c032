#include "support/recording_reporter.h"

#include <QEventLoop>
#include <QTimer>
#include <memory>

namespace ovta::test {

void RecordingReporter::show(const std::string& text)
{
    shown.push_back(text);
    if (!spinLoop)
        return;
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [this] {
        if (whileShown)
            whileShown();
    });
    // Long enough for queued work and zero timers to run inside the loop.
    QTimer::singleShot(30, &loop, &QEventLoop::quit);
    loop.exec();
}

RecordErrors::RecordErrors()
{
    auto recorder = std::make_unique<RecordingReporter>();
    recorder_ = recorder.get();
    setErrorReporter(std::move(recorder));
}

RecordErrors::~RecordErrors() { setErrorReporter(nullptr); }

}  // namespace ovta::test
