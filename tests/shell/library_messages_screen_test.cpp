// Qt's and the media libraries' chatter goes into the trace when it is on
// and nowhere when it is off.
#include <QDebug>
#include <QtGlobal>
#include <gtest/gtest.h>

#include "shell/library_messages.h"
#include "shell/trace.h"
#include "support/trace_capture.h"

namespace ovta {
namespace {

TEST(LibraryMessages, GoIntoTheTraceWhenItIsOnAndNowhereOtherwise)
{
    captureLibraryMessages();
    std::vector<std::string> lines;
    {
        test::TraceCapture trace;
        qWarning("PulseAudioService: pa_context_connect() failed");
        qDebug() << "two\nlines";
        lines = trace.lines;
        trace.lines.clear();
        trace::setEnabled(false);
        qWarning("dropped while the trace is off");
        qCritical("dropped too");
        EXPECT_TRUE(trace.lines.empty());
    }
    qInstallMessageHandler(nullptr);
    const std::vector<std::string> expected{
        "ovta: library warning text=PulseAudioService: pa_context_connect() failed",
        "ovta: library debug text=two lines",
    };
    EXPECT_EQ(lines, expected);
}

}  // namespace
}  // namespace ovta
