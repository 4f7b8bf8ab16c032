// Tfind: search inside the articles and books, opened by Ctrl+F from any
// screen. The user types Arabic in the same shaping box as the title search
// (or pastes Unicode text with Ctrl+V); Enter searches every article and
// book text, and the hits are listed with their titles and a few words
// around them; Enter or a double click on a hit opens its reader there.
// The index behind it is built in the background at first use.
#pragma once

#include <QPointer>
#include <string>
#include <vector>

#include "search/fulltext_index.h"
#include "store/content_dir.h"
#include "shell/screen.h"

class QTimer;

namespace ovta {

class GlyphEditBox;
class LabelControl;
class TitleListBox;

class Tfind : public Screen {
    Q_OBJECT

public:
    static constexpr const char* Kind = "find";
    static inline QPointer<Tfind> instance;

    static constexpr QSize Size{600, 420};
    // Hits listed at most for one query.
    static constexpr std::size_t MaxHits = 500;

    Tfind();
    ~Tfind() override;

    GlyphEditBox* query;
    LabelControl* caption;
    LabelControl* status;
    TitleListBox* hits;

    void FormCreate() override;
    void FormShow() override;
    void FormActivate() override;
    void FormKeyDown(int key) override;
    void systemClose() override;

    // Searches for the query box's text (Enter in the box).
    void search();
    // Searches for Unicode text as pasted (Ctrl+V), showing it in the box.
    void searchUnicode(const QString& text);
    // Opens the reader of hit `row` (Enter or a double click in the list).
    void openHit(int row);
    // The hits of the last search.
    const std::vector<FullTextHit>& lastHits() const { return hits_; }

protected:
    bool keepsOwnSize() const override { return true; }
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    QPoint placement() const;
    void showStatus(const std::string& utf8);
    void pollBuild();
    void runQuery();
    void drawHit(QPainter& painter, int row, const QRect& rect, bool selected) const;

    QTimer* poll_;
    std::string pending_; // UTF-8 query waiting for the index
    std::vector<FullTextHit> hits_;
    std::vector<std::string> hitTitles_;   // glyph text
    std::vector<std::string> hitContexts_; // glyph text
};

// Opens the dialog over whatever screen is on top (Ctrl+F).
void openFullTextSearch();

// Opens a text's reader as its list would: the globals it reads set, and
// for a reader that reads its opener's files, those files loaded first.
void openTextPlace(const TextPlace& place, const ContentDir& dir);

} // namespace ovta
