// Typed errors of the model. Every text says what failed and names the file
// or quotes the field, so the central error report can show it as it stands.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace ovta {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A content file that cannot be opened or read.
class FileError : public Error {
public:
    using Error::Error;
};

// A field that is not a number (empty, short, or with anything after its digits).
class ConversionError : public Error {
public:
    using Error::Error;
};

// An index beyond a table's capacity, a negative length, a form range out of bounds.
class RangeError : public Error {
public:
    using Error::Error;
};

// The media player could not open or play a file.
class MediaError : public Error {
public:
    using Error::Error;
};

// Quotes a piece of content text for an error message: printable ASCII stays,
// every other byte is shown as \xHH, so glyph text never garbles a message box.
std::string quoteBytes(std::string_view bytes);

}  // namespace ovta
