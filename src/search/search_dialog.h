// Tsear: the search dialog. The user types Arabic on a Latin keyboard layout
// into a one-line box that shapes the letters as they are typed, and the
// dialog finds the text among the titles of the list screen that opened it:
// from the first title, or on from the one after the list's top row. A hit
// is handed back to that screen, which scrolls to it (and some open it);
// the dialog stays open so that the user can search on.
//
// The list screens with a search button register themselves as the search
// host of their number (shell/search_host.h), set `SearchSource` and open
// the dialog by its kind, "sear", through the screen registry.
#pragma once

#include <QPointer>
#include <functional>
#include <string>

#include "search/shaping_engine.h"
#include "shell/controls.h"
#include "shell/screen.h"
#include "shell/timer.h"

namespace ovta {

class GlyphEditBox;
class OptionButton;
class SearchHost;

// Sets `SearchSource` to the opener's number (0 frm02, 5 frm05, 12 frm12,
// 34 frm34, 45 frm45, 47 frm47, 82 frm82), creates a new search dialog and
// shows it modally; returns when the dialog has closed.
void openSearchDialog(int source);

class Tsear : public Screen {
    Q_OBJECT

public:
    static constexpr const char* Kind = "sear";
    static inline QPointer<Tsear> instance;

    // Client area, and its place over the 640x480 screen frame.
    static constexpr QSize Size{269, 138};
    static constexpr QPoint Place{259, 293};

    Tsear();
    ~Tsear() override;

    ImageControl* Image1;
    GlyphEditBox* me1;
    PanelControl* Panel1;
    LabelControl* labe;
    PanelControl* Shp1;
    Timer* Timer2;
    OptionButton* rad1;
    OptionButton* rad2;
    LabelControl* Label3;
    LabelControl* Label4;
    LabelControl* Label2;
    ImageControl* Image2;
    LabelControl* Label1;
    ImageControl* Image3;

    void FormCreate() override;
    void FormShow() override;
    void FormActivate() override;
    void systemClose() override;

    void Label1Click(); // close
    void Label2Click(); // search
    void me1Change();
    void Timer2Timer();

    // The keyboard-layout message; tests record it instead of a modal box.
    using MessageBox = std::function<void(const std::string& text, const std::string& caption)>;
    static void setMessageBox(MessageBox show);

    // The opener's number this dialog was created for.
    int source() const { return source_; }

protected:
    bool keepsOwnSize() const override { return true; }
    bool setsCaption() const override { return false; }
    void moveEvent(QMoveEvent* event) override;

private:
    void outcome(EditOutcome what);
    QPoint placement() const;
    SearchHost* host() const;

    int source_ = 0;
    SearchHost* host_ = nullptr;
};

} // namespace ovta
