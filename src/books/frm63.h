// frm63: the recitation book. A heading's body text shows in the pane and
// its passages of the one recitation sound in the chooser `co1`, which plays
// the passage picked. The main menu's music is suspended while it is open.
#pragma once

#include <memory>

#include "books/book_viewer.h"
#include "shell/media_player.h"

namespace ovta {

class Tfrm63 : public BookViewer, public ScreenKind<Tfrm63, BookViewerState> {
    Q_OBJECT

public:
    static constexpr const char* Kind = "frm63";

    Tfrm63();
    ~Tfrm63() override;

    std::unique_ptr<MediaPlayer> med1;

    void FormCreate() override;

protected:
    void leave() override;
    void paneReset() override;
    void playPassage(const Passage& passage) override;
};

} // namespace ovta
