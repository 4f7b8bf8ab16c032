// The column strip of a tree-book screen: the strip window `Panel1`, the
// 1710-pixel strip `Panel2` in it with its red bars, the scroll track and
// the two arrows of each of the ten columns, five rows (label and icon) per
// column, and the magnifier `labcamov`. It draws what the book's columns
// hold and hands every click, press and pointer move to the screen.
#pragma once

#include <QColor>
#include <array>
#include <exception>
#include <functional>

#include "books/book_columns.h"
#include "shell/content_pictures.h"
#include "shell/controls.h"
#include "shell/glyph_text.h"
#include "shell/magnifier.h"
#include "shell/mouse_aware.h"

namespace ovta {

class BookStrip {
public:
    static constexpr int Columns = BookColumns::Columns;
    static constexpr int Rows = BookColumn::Rows;
    // The row captions: "glyf01" 14 points, blue; the selected row red.
    static constexpr int RowSize = 14;
    static const QColor Blue;
    static const QColor Red;

    // Builds the strip on `screen` (creation): window, strip, bars, tracks
    // and arrows; the arrows carry Tags 1..10 (up) and 11..20 (down).
    // `magnified` is the node the magnifier shows, a value of the screen kind.
    BookStrip(QWidget* screen, int& magnified);

    PanelControl* Panel1;
    PanelControl* Panel2;
    std::array<ImageControl*, Columns> tracks{};   // mp1 .. mp10
    std::array<MouseImage*, Columns> upArrows{};   // map1 .. map10
    std::array<MouseImage*, Columns> downArrows{}; // mdp1 .. mdp10
    std::array<std::array<LabelControl*, Rows>, Columns> labels{};
    std::array<std::array<ImageControl*, Rows>, Columns> icons{};
    Magnifier& magnifier() { return magnifier_; }

    // The rows (show): one text line of the row font fixes their height.
    void buildRows();
    bool rowsBuilt() const { return labels[0][0] != nullptr; }
    int lineHeight() const { return lineHeight_; }

    // Puts every row, icon, track and arrow on or off the strip as `columns`
    // holds them, and the strip where its position says. Icons are loaded
    // from their picture files for each row whose heading or icon changed
    // (each file read once for the strip's life); a picture that cannot be
    // loaded is thrown after the whole strip is drawn.
    void draw(const BookColumns& columns);

    // The pressed look of an arrow (`Image1`, `Image2`), and none.
    void pressArrow(int code, const QPixmap& up, const QPixmap& down);
    void releaseArrow(int code);
    MouseImage* arrow(int code) const;

    // Shows the whole caption of a row too narrow for it; any other row hides it.
    void magnify(int k, int j);
    void hideMagnifier() { magnifier_.hide(); }

    // What the screen does with the strip's events.
    std::function<void(int k, int j)> onRowClick;
    std::function<void(int k, int j)> onRowMove;
    std::function<void(MouseImage* arrow)> onArrowPress;
    std::function<void(MouseImage* arrow)> onArrowRelease;
    std::function<void(int code)> onArrowClick;
    // The pointer over the strip background, a track, an arrow or an icon.
    std::function<void()> onBackgroundMove;

private:
    struct Drawn {
        bool shown = false;
        int node = -1;
        RowIcon icon = RowIcon::Leaf;
        bool red = false;
    };

    void drawRow(int k, int j, const BookColumn& c, std::exception_ptr& failed);
    void backgroundMove();

    Magnifier magnifier_;
    int lineHeight_ = 0;
    std::array<std::array<Drawn, Rows>, Columns> drawn_{};
    ContentPictures iconPictures_;
};

} // namespace ovta
