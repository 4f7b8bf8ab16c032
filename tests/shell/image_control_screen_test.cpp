// Pictures loaded from content files into an image control.
#include <QBuffer>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "store/content_dir.h"
#include "store/errors.h"
#include "shell/content_pictures.h"
#include "shell/controls.h"
#include "support/fifo_stand_in.h"
#include "support/fixture_dir.h"

namespace ovta {
namespace {

using test::FifoStandIn;
using test::FixtureDir;

std::string bmpBytes(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes.toStdString();
}

class ImageControlTest : public ::testing::Test {
protected:
    void SetUp() override { ContentDir::setCurrent(content.path()); }
    void TearDown() override { ContentDir::setCurrent("."); }

    FixtureDir content;
    QWidget parent;
    ImageControl image{&parent, "Image1", QRect(0, 0, 40, 40)};
};

TEST_F(ImageControlTest, LoadsAPictureByItsContentName)
{
    content.write("DATA1/KenorB1.bmp", bmpBytes(QSize(3, 2), Qt::red));
    image.loadPicture("data1\\kenorb1.bmp");
    ASSERT_EQ(image.picture().size(), QSize(3, 2));
    EXPECT_EQ(image.picture().toImage().pixelColor(2, 1), QColor(Qt::red));
}

TEST_F(ImageControlTest, AFileThatIsNoPictureOrCannotBeOpenedIsAFileErrorKeepingThePicture)
{
    content.write("data1/kenorb1.bmp", bmpBytes(QSize(3, 2), Qt::red));
    content.write("data1/text.bmp", "not a picture");
    content.write("data1/empty.bmp", "");
    std::filesystem::create_directories(content.path() / "data1/adir.bmp");
    // A pipe must be refused before anyone opens it: a picture decoder
    // reading it would wait for ever.
    const FifoStandIn fifo(content.path() / "data1/kenorb2.bmp");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"data1\\missing.bmp", "\"data1\\missing.bmp\": cannot be opened"},
        {"data1\\adir.bmp", "\"data1\\adir.bmp\": cannot be opened"},
        {"data1\\kenorb2.bmp", "\"data1\\kenorb2.bmp\": cannot be opened"},
        {"data1\\text.bmp", "\"data1\\text.bmp\": is not a picture"},
        {"data1\\empty.bmp", "\"data1\\empty.bmp\": is not a picture"},
    };
    image.loadPicture("data1\\kenorb1.bmp");
    for (const auto& [name, text] : cases) {
        SCOPED_TRACE(name);
        try {
            image.loadPicture(name);
            ADD_FAILURE() << "no error";
        } catch (const FileError& e) {
            EXPECT_EQ(e.what(), text);
        }
        EXPECT_EQ(image.picture().size(), QSize(3, 2)) << "the picture shown stays";
    }
    EXPECT_EQ(fifo.opens(), 0);
}

// A screen's kept pictures (a book strip's icons): each file read on its
// first show only; a file that fails is not kept, so it is read again (and
// reported again) at the next show, and shows once it is repaired.
TEST_F(ImageControlTest, KeptPicturesAreReadOnceAndFailuresAreReadAgain)
{
    content.write("data1/1/1.bmp", bmpBytes(QSize(3, 2), Qt::red));
    content.write("data1/1/2.bmp", "not a picture");
    ContentPictures pictures;
    EXPECT_EQ(pictures.get("data1\\1\\1.bmp").toImage().pixelColor(2, 1), QColor(Qt::red));
    std::filesystem::remove(content.path() / "data1/1/1.bmp");
    EXPECT_EQ(pictures.get("data1\\1\\1.bmp").size(), QSize(3, 2));
    for (int show = 0; show < 2; ++show) {
        try {
            pictures.get("data1\\1\\2.bmp");
            ADD_FAILURE() << "no error at show " << show;
        } catch (const FileError& e) {
            EXPECT_STREQ(e.what(), "\"data1\\1\\2.bmp\": is not a picture");
        }
    }
    content.write("data1/1/2.bmp", bmpBytes(QSize(1, 1), Qt::blue));
    EXPECT_EQ(pictures.get("data1\\1\\2.bmp").toImage().pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_THROW(pictures.get("data1\\1\\3.bmp"), FileError);
}

}  // namespace
}  // namespace ovta
