// Typed errors of the model. Every text says what failed and names the file
// or quotes the field, so the central error report can show it as it stands.
// Errors about a content file all read the same way: the content name in
// double quotes, a colon, then the problem, with no full stop (the report
// adds one):  "data\1kenor01": field "12ab    " at character 17 is not a number
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

// A media error the user has been told about already (media support missing
// from the installation): the handler stops as for any media error, but the
// central report does not show it again.
class MediaUnavailable : public MediaError {
public:
    using MediaError::MediaError;
};

// Quotes a piece of content text for an error message, in double quotes:
// printable ASCII stays, every other byte (and the quote and the backslash)
// is shown as \xHH, so glyph text never garbles a message box.
std::string quoteBytes(std::string_view bytes);

// The text of an error about content file `contentName`: the name in double
// quotes, a colon and `problem`. A file or list that was never loaded has no
// name; it is called (no file).
std::string contentErrorText(std::string_view contentName, std::string_view problem);

template <typename E>
[[noreturn]] void failContent(std::string_view contentName, std::string_view problem)
{
    throw E(contentErrorText(contentName, problem));
}

}  // namespace ovta
