// A stand-in for the glyph-text decoder while a test copies: each line comes
// back reversed (visual order to logical order) and in brackets, so a test
// sees which bytes were decoded, one line at a time.
#pragma once

#include <QClipboard>
#include <QGuiApplication>
#include <algorithm>
#include <string>
#include <string_view>

#include "shell/clipboard_text.h"

namespace ovta::test {

class FakeDecoder {
public:
    FakeDecoder()
    {
        ClipboardText::setDecoder(&decode);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    }
    ~FakeDecoder() { ClipboardText::setDecoder(nullptr); }
    FakeDecoder(const FakeDecoder&) = delete;
    FakeDecoder& operator=(const FakeDecoder&) = delete;

    static std::string decode(std::string_view line)
    {
        std::string out(line.rbegin(), line.rend());
        return "[" + out + "]";
    }

    // What the clipboard holds as plain text.
    static std::string clipboard() { return QGuiApplication::clipboard()->text().toStdString(); }
};

} // namespace ovta::test
