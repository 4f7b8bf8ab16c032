// Screen tests of the tree-book screens: a book of the screen under test
// written into the test's content directory (every file of the book there,
// empty until the test fills it), the three tree icons, and helpers that
// read the strip and the pane as the user sees them.
#pragma once

#include <QBuffer>
#include <QImage>

#include <string>
#include <vector>

#include "books/book_files_support.h"
#include "books/book_viewer.h"
#include "reading/reading_test_support.h"
#include "shell/screen_open.h"
#include "shell/screen_stack.h"

namespace ovta::test {

class BookScreenTest : public ReadingTest {
protected:
    void SetUp() override
    {
        ReadingTest::SetUp();
        for (int icon = 1; icon <= 3; ++icon) {
            QImage img(14, 16, QImage::Format_RGB32);
            img.fill(QColor(40 * icon, 0, 0));
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            img.save(&buffer, "BMP");
            content.write("data1\\1\\" + std::to_string(icon) + ".bmp", bytes.toStdString());
        }
    }

    // Every file of book `number` of `screen`, empty, then the tree.
    BookFileNames book(BookScreen screen, int number, const std::vector<Heading>& headings)
    {
        const BookInfo info = bookInfo(screen, number);
        const BookFileNames& f = info.files;
        for (const std::string* name :
             {&f.tree, &f.titles, &f.groupMap, &f.articleNumbers, &f.articleIndex, &f.articleTitles,
              &f.bodies, &f.segments, &f.locators, &f.articleTexts})
            if (!name->empty())
                content.write(*name, "");
        writeTree(content, f, buildTree(screenSettings(screen).layout, headings));
        return f;
    }

    template <class T> T* open(int currentBook = 0, int currentItem = 0)
    {
        globals().CurrentBook = currentBook;
        globals().CurrentItem = currentItem;
        T* screen = openScreen<T>();
        settle();
        return screen;
    }

    // The captions of the rows of column k on the strip, top first.
    static std::vector<std::string> captions(BookViewer* v, int k)
    {
        std::vector<std::string> out;
        for (LabelControl* row : v->strip().labels[static_cast<std::size_t>(k - 1)])
            if (row && row->isVisibleTo(v))
                out.push_back(row->glyphText());
        return out;
    }

    static LabelControl* row(BookViewer* v, int k, int j)
    {
        return v->strip().labels[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(j - 1)];
    }

    static void clickRow(BookViewer* v, int k, int j)
    {
        QTest::mouseClick(row(v, k, j), Qt::LeftButton);
    }

    static bool arrowsShown(BookViewer* v, int k)
    {
        const auto i = static_cast<std::size_t>(k - 1);
        return v->strip().tracks[i]->isVisibleTo(v) && v->strip().upArrows[i]->isVisibleTo(v) &&
               v->strip().downArrows[i]->isVisibleTo(v);
    }

    // The article rows' captions on screen.
    static std::vector<std::string> articleRows(BookViewer* v)
    {
        std::vector<std::string> out;
        for (LabelControl* row : v->lis)
            if (row->isVisibleTo(v))
                out.push_back(row->glyphText());
        return out;
    }

    static Screen* top() { return ScreenStack::instance().top(); }
};

} // namespace ovta::test
