// Screen tests of the list screens: small content files for frm05, frm34,
// frm33 and frm47 written into the test's content directory, the letter
// tables of the search box, and the search dialog opened as a search
// button opens it.
#pragma once

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "reading/reading_test_support.h"
#include "search/glyph_edit_box.h"
#include "search/letter_table_builder.h"
#include "search/search_dialog.h"
#include "search/search_test_support.h"
#include "shell/screen_stack.h"

namespace ovta::test {

class ListsTest : public ReadingTest {
protected:
    void SetUp() override
    {
        ReadingTest::SetUp();
        // "ff" types the glyphs 4B 4D.
        const LetterTableBuilder letters = shapingLetters();
        content.write("data\\13.txt", letters.keyFile());
        content.write("data\\1c2.txt", letters.rangeFile());
        content.write("data\\1c1.txt", letters.glyphFile());
    }

    // A frm05 set: titles with text numbers in reverse order, texts by number.
    void writeFrm05(int item, const std::vector<std::string>& titles,
                    const std::vector<std::string>& texts)
    {
        const char* names[2][4] = {
            {"data\\1kenor012", "data\\kenor013", "data\\1kenor014", "data\\kenor015"},
            {"data\\1kenor018", "data\\kenor019", "data\\1kenor020", "data\\kenor021"}};
        const auto& n = names[item - 1];
        DataBuilder t, x;
        std::string titleIndex, textIndex;
        const long long count = static_cast<long long>(titles.size());
        std::vector<std::string> byNumber(titles.size());
        for (long long i = 0; i < count; ++i) {
            const auto [offset, length] = t.add(titles[static_cast<std::size_t>(i)]);
            titleIndex += fields({offset, length, count - i});
            byNumber[static_cast<std::size_t>(count - 1 - i)] = texts[static_cast<std::size_t>(i)];
        }
        for (const auto& text : byNumber) {
            const auto [offset, length] = x.add(text);
            textIndex += fields({offset, length});
        }
        content.write(n[0], titleIndex);
        content.write(n[1], t.bytes);
        content.write(n[2], textIndex);
        content.write(n[3], x.bytes);
    }

    struct Rec {
        std::string title, text;
        int category;
    };
    void writeFrm34(const std::vector<Rec>& recs)
    {
        DataBuilder t, x;
        std::string index;
        for (const auto& r : recs) {
            const auto [to, tl] = t.add(r.title);
            const auto [xo, xl] = x.add(r.text);
            index += fields({1, to, tl, xo, xl, r.category});
        }
        content.write("data\\1kenor319", index);
        content.write("data\\kenor320", t.bytes);
        content.write("data\\kenor321", x.bytes);
    }

    // frm33: records 1..n, titles and texts given per record (fewer given:
    // "p: r<k>" and "text <k>").
    void writeFrm33(int n, const std::map<int, std::string>& titles = {})
    {
        DataBuilder t, x;
        std::string index;
        for (int k = 1; k <= n; ++k) {
            const auto it = titles.find(k);
            const auto [to, tl] =
                t.add(it != titles.end() ? it->second : "r" + std::to_string(k) + ": p");
            const auto [xo, xl] = x.add(text(k));
            index += fields({to, tl, xo, xl});
        }
        content.write("data\\1kenor316", index);
        content.write("data\\kenor317", t.bytes);
        content.write("data\\kenor318", x.bytes);
    }

    // frm47: n records, titles "e<i>" unless given.
    void writeFrm47(int n, const std::map<int, std::string>& titles = {})
    {
        DataBuilder t, x;
        std::string index;
        for (int i = 0; i < n; ++i) {
            const auto it = titles.find(i);
            const auto [to, tl] = t.add(it != titles.end() ? it->second : "e" + std::to_string(i));
            const auto [xo, xl] = x.add("first " + std::to_string(i) + "\r\nsecond\r\nthird");
            index += fields({0, to, tl, xo, xl});
        }
        content.write("data\\1kenor41", index);
        content.write("data\\kenor42", t.bytes);
        content.write("data\\kenor43", x.bytes);
    }

    // A text of `lines` lines "<k>-<j>" for record k.
    static std::string text(int k, int lines = 3)
    {
        std::string out;
        for (int j = 0; j < lines; ++j)
            out += (j ? "\r\n" : "") + std::to_string(k) + "-" + std::to_string(j);
        return out;
    }

    // Clicks `searchButton`; while the dialog is open, runs `body` with it.
    static void whileSearching(Control* searchButton, const std::function<void(Tsear*)>& body)
    {
        whileSearchDialogOpen([searchButton] { searchButton->click(); }, body);
    }
    static void type(Tsear* d, const char* keys) { typeInSearch(d, keys); }
    static void search(Tsear* d) { pressSearch(d); }

    static Screen* top() { return ScreenStack::instance().top(); }

    // The search button's two pictures: green when lit, blue when plain.
    void writeSearchPictures()
    {
        QImage picture(64, 64, QImage::Format_RGB32);
        const auto dir = content.path() / "data1";
        std::filesystem::create_directories(dir);
        picture.fill(Qt::green);
        picture.save(QString::fromStdString((dir / "kenorb2.bmp").string()));
        picture.fill(Qt::blue);
        picture.save(QString::fromStdString((dir / "kenorb1.bmp").string()));
    }
};

} // namespace ovta::test
