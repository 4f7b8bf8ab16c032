#include "shell/library_messages.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <string>

#include "shell/trace.h"

namespace ovta {
namespace {

const char* kindOf(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg: return "debug";
    case QtInfoMsg: return "info";
    case QtWarningMsg: return "warning";
    case QtCriticalMsg: return "critical";
    case QtFatalMsg: return "fatal";
    }
    return "message";
}

void libraryMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "ovta: %s\n", message.toLocal8Bit().constData());
        return;
    }
    if (!trace::enabled())
        return;
    std::string text = message.toStdString();
    for (char& c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    trace::line(std::string("library ") + kindOf(type) + " text=" + text);
}

}  // namespace

void captureLibraryMessages() { qInstallMessageHandler(libraryMessage); }

}  // namespace ovta
