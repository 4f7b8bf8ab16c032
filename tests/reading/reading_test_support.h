// Screen tests of the reading screens: small content files written into
// the test's content directory, a title table of plain ASCII entries, the
// built glyph fonts where a test measures text, and a pointer that stays
// where the keys put it.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reading/content_records.h"
#include "shell/globals.h"
#include "shell/glyph_text.h"
#include "shell/pointer.h"
#include "store/content_dir.h"
#include "support/shell_fixture.h"

namespace ovta::test {

struct ArticleSpec {
    std::string text;
    std::vector<long long> pairs; // start, length, ... (P pairs)
};

class ReadingTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        std::string table;
        for (int k = 1; k <= 120; ++k)
            table += "t" + std::to_string(k) + "\r\n";
        content.write("data\\kenor002", table);
        globals().titleTable.load(ContentDir::current());
    }

    void TearDown() override
    {
        if (fontsInstalled_) {
            // The screens are gone with the backdrop before the fonts go.
            delete backdrop;
            backdrop = nullptr;
            settle();
            removeGlyphFonts();
        }
        ShellTest::TearDown();
    }

    // A topic file of `record` layout (fields in order) and its titles.
    void writeTopics(const char* list, const char* titles,
                     const std::vector<std::vector<long long>>& records,
                     const std::vector<std::string>& texts, const std::vector<int>& titleField)
    {
        DataBuilder data;
        std::string bytes;
        for (std::size_t i = 0; i < records.size(); ++i) {
            const auto [offset, length] = data.add(texts[i]);
            std::vector<long long> r = records[i];
            r[static_cast<std::size_t>(titleField[0])] = offset;
            r[static_cast<std::size_t>(titleField[1])] = length;
            for (long long v : r)
                bytes += fields({v});
        }
        content.write(list, bytes);
        content.write(titles, data.bytes);
    }

    // A reader's three files: locators, section records of `pairs` pairs, texts.
    void writeArticles(const char* locators, const char* sections, const char* data,
                       const std::vector<ArticleSpec>& articles, int pairs)
    {
        DataBuilder texts;
        std::string loc, sec;
        for (const auto& a : articles) {
            const auto [offset, length] = texts.add(a.text);
            loc += fields({offset, length});
            for (int k = 0; k < 2 * pairs; ++k)
                sec += fields({k < static_cast<int>(a.pairs.size())
                                   ? a.pairs[static_cast<std::size_t>(k)]
                                   : 0});
        }
        content.write(locators, loc);
        content.write(sections, sec);
        content.write(data, texts.bytes);
    }

    // Installs the demo build's glyph fonts; false when they were not built.
    bool installFonts()
    {
        const QString demo = QCoreApplication::applicationDirPath() + QStringLiteral("/../demo/");
        for (const char* file : {"glyf01.ttf", "glyf01b.ttf"}) {
            QFile f(demo + QLatin1String(file));
            if (!f.open(QIODevice::ReadOnly))
                return false;
            content.write(file, f.readAll().toStdString());
        }
        removeGlyphFonts(); // drops the faces cached while no font was there
        installGlyphFonts();
        fontsInstalled_ = true;
        return true;
    }

    // Moves the pointer onto `w` (its centre unless `at` is given), coming
    // from the backdrop, so that a move happens even when the pointer was
    // left at the same place by an earlier test.
    static void hover(QWidget* w, QPoint at = QPoint(-1, -1))
    {
        QTest::mouseMove(w->window(), QPoint(1, 1));
        QTest::mouseMove(w, at.x() < 0 ? w->rect().center() : at);
        QApplication::processEvents();
    }

    // Stacking position among the siblings (higher is in front).
    static int z(QWidget* w) { return w->parentWidget()->children().indexOf(w); }

private:
    bool fontsInstalled_ = false;
};

} // namespace ovta::test
