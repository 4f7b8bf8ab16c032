#include "shell/content_pictures.h"

#include <QByteArray>

#include "store/content_dir.h"
#include "store/content_file.h"
#include "store/errors.h"

namespace ovta {

QPixmap readContentPicture(const std::string& contentName)
{
    // The store reads the bytes, so Qt never opens a content path itself.
    const std::string bytes = ContentFile::readAll(ContentDir::current(), contentName);
    QPixmap picture;
    if (!picture.loadFromData(
            QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()))))
        failContent<FileError>(contentName, "is not a picture");
    return picture;
}

const QPixmap& ContentPictures::get(const std::string& contentName)
{
    auto it = kept_.find(contentName);
    if (it == kept_.end())
        it = kept_.emplace(contentName, readContentPicture(contentName)).first;
    return it->second;
}

}  // namespace ovta
