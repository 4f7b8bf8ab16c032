// Shared by the section-home and keyboard tests: a shell with the content a
// home reads (the exit's hover pictures), a fake pointer, and helpers to
// open a home and to close whatever it opened.
#pragma once

#include <QBuffer>
#include <QImage>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "sections/section_homes.h"
#include "shell/stand_in.h"
#include "shell/main_menu.h"
#include "shell/pointer.h"
#include "shell/screen_open.h"
#include "shell/screen_registry.h"
#include "shell/screen_stack.h"
#include "support/shell_fixture.h"

namespace ovta::test {

// A plain picture file of one colour, as the content's BMP files are.
inline std::string bmpOf(const QColor& colour, int size = 64)
{
    QImage img(size, size, QImage::Format_RGB32);
    img.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "BMP");
    return bytes.toStdString();
}

inline const QColor kHoverColour(200, 0, 0);  // "data1\kenor001.bmp"
inline const QColor kNormalColour(0, 160, 0); // "data1\kenor002.bmp"

class HomeTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        content.write("data\\kenor002", "one\r\ntwo\r\n");
        content.write("data1\\kenor001.bmp", bmpOf(kHoverColour));
        content.write("data1\\kenor002.bmp", bmpOf(kNormalColour));
        knowMedia("data1\\kenor.wav", 5000);
        loadPointerShapes();
        for (HomeState* s : {&Tfrm01::state(), &Tfrm11::state(), &Tfrm21::state(), &Tfrm31::state(),
                             &Tfrm41::state(), &Tfrm51::state(), &Tfrm61::state(), &Tfrm71::state(),
                             &Tfrm81::state()})
            *s = HomeState{};
    }

    Tfalam1* openMenu()
    {
        Tfalam1* menu = createScreen<Tfalam1>();
        menu->showScreen();
        return menu;
    }

    SectionHome* openHome(const std::string& kind)
    {
        openKind(kind);
        return qobject_cast<SectionHome*>(ScreenStack::instance().top());
    }

    static Screen* top() { return ScreenStack::instance().top(); }
    static std::string topKind() { return top() ? top()->kind() : ""; }

    // Leaves the screen on top with Esc, as the user would.
    void escape()
    {
        if (top())
            QTest::keyClick(top(), Qt::Key_Escape);
        settle();
    }

    void key(Screen* screen, Qt::Key k) { QTest::keyClick(screen, k); }

    static QColor colourOf(const ImageControl* image)
    {
        return image->picture().toImage().pixelColor(10, 10);
    }

    // The desktop point of a control's centre, the way the keys place the pointer.
    static QPoint centreOf(const QWidget* w)
    {
        return w->mapToGlobal(QPoint(w->width() / 2, w->height() / 2));
    }
};

}  // namespace ovta::test
