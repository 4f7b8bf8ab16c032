#include "shell/clipboard_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>

#include "shell/controls.h"
#include "shell/pointer.h"
#include "store/errors.h"

namespace ovta {
namespace {

ClipboardText::Decoder& decoder()
{
    static ClipboardText::Decoder d;
    return d;
}

} // namespace

void ClipboardText::setDecoder(Decoder d)
{
    decoder() = std::move(d);
}

bool ClipboardText::hasDecoder()
{
    return static_cast<bool>(decoder());
}

QString ClipboardText::decode(std::string_view glyphs)
{
    if (!decoder())
        throw ConversionError("No decoder for glyph text is installed: nothing was copied");
    std::string text;
    std::size_t start = 0;
    while (start <= glyphs.size()) {
        std::size_t end = glyphs.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last)
            end = glyphs.size();
        std::string_view line = glyphs.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        text += decoder()(line);
        // A text that ends with a line break has no empty last line.
        if (last || end + 1 == glyphs.size())
            break;
        text += '\n';
        start = end + 1;
    }
    return QString::fromStdString(text);
}

std::string ClipboardText::pointedRow(const QWidget* screen, std::span<LabelControl* const> rows)
{
    for (const LabelControl* row : rows) {
        if (!row || !row->isVisibleTo(screen))
            continue;
        if (row->rect().contains(row->mapFromGlobal(pointer().pos())))
            return row->glyphText();
    }
    return {};
}

std::string ClipboardText::titled(std::string_view title, std::string_view text)
{
    std::string out(title);
    if (!out.empty() && !text.empty())
        out += "\r\n";
    out += text;
    return out;
}

int ClipboardText::copyGlyphs(std::string_view glyphs)
{
    if (glyphs.empty())
        return 0;
    const QString text = decode(glyphs);
    copy(text);
    return static_cast<int>(text.size());
}

void ClipboardText::copy(const QString& text)
{
    if (text.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(text);
}

bool ClipboardText::isCopyKey(const QKeyEvent* event)
{
    return event->matches(QKeySequence::Copy);
}

} // namespace ovta
