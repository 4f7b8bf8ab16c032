// Pictures of the content folder ("data1\1\1.bmp") that a screen shows on
// many controls and many times (a book strip's three tree icons on its
// fifty rows, drawn again at every scroll): each file is read and decoded
// the first time the screen shows it, then kept for the screen's life.
// A picture that cannot be read is not kept: the next show reads its file
// again, and fails again the same way.
#pragma once

#include <QPixmap>
#include <map>
#include <string>

namespace ovta {

// Reads and decodes one picture of the content folder. Throws FileError
// naming it when it cannot be opened or read, or is not a picture.
QPixmap readContentPicture(const std::string& contentName);

class ContentPictures {
public:
    // The picture, read on the first call for its name; throws as
    // readContentPicture() does.
    const QPixmap& get(const std::string& contentName);

private:
    std::map<std::string, QPixmap> kept_;
};

}  // namespace ovta
