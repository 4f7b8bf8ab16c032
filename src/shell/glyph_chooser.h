// A drop-down chooser of glyph-text entries (the readers' sub-section
// chooser): a text box with its drop-down button at the left edge, and a
// list that opens under it inside the screen, since every screen shares
// the one native window. Picking an entry sets the index and the text and
// runs the change and then the click handler, as a toolkit combo box does;
// so do Up and Down while it has the focus.
#pragma once

#include <QPointer>
#include <functional>
#include <string>
#include <vector>

#include "shell/controls.h"

namespace ovta {

class GlyphChooserList;

class GlyphChooser : public Control {
    Q_OBJECT

public:
    GlyphChooser(QWidget* parent, const QString& name, const QRect& geometry, GlyphFace face,
                 int pointSize, const QColor& textColor);
    ~GlyphChooser() override;

    void clear();
    void addItem(std::string glyphs);
    int count() const { return static_cast<int>(items_.size()); }
    const std::string& item(int index) const { return items_.at(static_cast<std::size_t>(index)); }

    // -1 while no entry is chosen.
    int itemIndex() const { return index_; }

    // The text box. Setting it runs no handler.
    const std::string& text() const { return text_; }
    void setText(std::string glyphs);

    // The user picks entry `index`: index and text change, then the change
    // and the click handlers run.
    void choose(int index);

    void dropDown();
    void closeUp();
    bool droppedDown() const { return list_ != nullptr; }

    Handler onChange;
    std::function<void(int key)> onKeyDown;

    static constexpr int ButtonWidth = 19;
    static constexpr int RowHeight = 24;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class GlyphChooserList;

    GlyphFace face_;
    int pointSize_;
    QColor textColor_;
    std::vector<std::string> items_;
    int index_ = -1;
    std::string text_;
    QPointer<QWidget> list_; // the open GlyphChooserList
};

} // namespace ovta
