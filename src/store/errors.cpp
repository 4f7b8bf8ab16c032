#include "store/errors.h"

namespace ovta {

std::string quoteBytes(std::string_view bytes)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() + 2);
    out += '"';
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7F && c != '\\' && c != '"') {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 0xF];
        }
    }
    out += '"';
    return out;
}

std::string contentErrorText(std::string_view contentName, std::string_view problem)
{
    std::string text =
        contentName.empty() ? std::string("(no file)") : "\"" + std::string(contentName) + "\"";
    text += ": ";
    text += problem;
    return text;
}

}  // namespace ovta
