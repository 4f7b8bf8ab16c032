#include "books/book_tables.h"

#include <array>

namespace ovta {
namespace {

ScreenSettings frm14()
{
    ScreenSettings s;
    s.screen = BookScreen::Frm14;
    s.name = "frm14";
    s.layout = NodeLayout::Articles32;
    s.capacity = {500, 50, 50, 201, 0, 0};
    s.content = NodeContent::Articles;
    s.pane = PaneKind::ArticleWindow;
    s.articleRecordSize = 24;
    s.articleTitleField = 2;
    s.paneRows = 6;
    s.paneLastBase = 6;
    s.paneStep = 5;
    s.lastPathFromFirstColumn = true;
    s.lastPathWrapped = false;
    return s;
}

ScreenSettings frm64()
{
    ScreenSettings s = frm14();
    s.screen = BookScreen::Frm64;
    s.name = "frm64";
    s.capacity.articles = 101;
    s.articleRecordSize = 16;
    s.articleTitleField = 1;
    s.articleRangeNeedsBothEnds = true;
    s.articleCaptionBlank = true;
    s.lastPathWrapped = true;
    return s;
}

ScreenSettings frm43()
{
    ScreenSettings s = frm14();
    s.screen = BookScreen::Frm43;
    s.name = "frm43";
    s.capacity.articles = 101;
    s.pane = PaneKind::ArticleListBox;
    s.articleRecordSize = 64;
    s.articleTitleField = 1;
    // The list box has no window of its own: its line and page hot spots move nothing.
    s.paneRows = 0;
    s.paneLastBase = 0;
    s.paneStep = 0;
    s.showColumnResetsPane = false;
    s.lastPathFromFirstColumn = false;
    s.lastPathWrapped = true;
    return s;
}

ScreenSettings bodyScreen()
{
    ScreenSettings s;
    s.pane = PaneKind::BodyWindow;
    s.paneRows = 8;
    s.paneLastBase = 8;
    s.paneStep = 7;
    s.firstColumnEmptiesPath = true;
    return s;
}

ScreenSettings frm7()
{
    ScreenSettings s = bodyScreen();
    s.screen = BookScreen::Frm7;
    s.name = "frm7";
    s.layout = NodeLayout::Body48;
    s.capacity = {600, 100, 70, 0, 0, 0};
    s.content = NodeContent::Body;
    s.lineStoreWidth = 737;
    return s;
}

ScreenSettings frm63()
{
    ScreenSettings s = bodyScreen();
    s.screen = BookScreen::Frm63;
    s.name = "frm63";
    s.layout = NodeLayout::Passages64;
    s.capacity = {500, 60, 60, 0, 13, 0};
    s.content = NodeContent::BodyAndPassages;
    s.lineStoreWidth = 603;
    s.passageCaption = 94;
    return s;
}

ScreenSettings frm410()
{
    ScreenSettings s = bodyScreen();
    s.screen = BookScreen::Frm410;
    s.name = "frm410";
    s.layout = NodeLayout::Range40;
    s.capacity = {750, 100, 50, 0, 0, 2000};
    s.content = NodeContent::ArticleRange;
    // Nine lines in view, yet the window stops where six remain.
    s.paneRows = 9;
    s.paneLastBase = 6;
    s.paneStep = 5;
    s.lineStoreWidth = 553;
    s.lastPathFromFirstColumn = true;
    s.lastPathWrapped = false;
    return s;
}

std::string tree(int n)
{
    return "data\\1kenor" + std::to_string(n);
}
std::string data(int n)
{
    return "data\\kenor" + std::to_string(n);
}

BookInfo frm43Book(int number)
{
    // Per book: tree, node titles, article numbers, group map, base.
    struct Row {
        int tree, titles, numbers, groups;
        std::int64_t base;
    };
    static constexpr std::array<Row, 10> kBooks = {{
        {413, 414, 415, 416, 4782},
        {417, 418, 419, 420, 0},
        {421, 422, 423, 424, 5205},
        {425, 426, 427, 428, 3788},
        {429, 430, 431, 432, 4922},
        {433, 434, 435, 436, 4472},
        {437, 438, 439, 440, 110},
        {441, 442, 443, 444, 110},
        {445, 446, 447, 448, 3025},
        {449, 450, 451, 452, 3906},
    }};
    BookInfo b;
    if (number < 1 || number > static_cast<int>(kBooks.size()))
        return b;
    const Row& r = kBooks[static_cast<std::size_t>(number - 1)];
    b.exists = true;
    b.files.tree = tree(r.tree);
    b.files.titles = data(r.titles);
    b.files.articleNumbers = tree(r.numbers);
    b.files.groupMap = tree(r.groups);
    // Shared by the ten books; the locators and texts are the question screen's.
    b.files.articleIndex = "data\\1kenor47";
    b.files.articleTitles = "data\\kenor46";
    b.files.locators = "data\\1kenor44";
    b.files.articleTexts = "data\\kenor45";
    b.base = r.base;
    b.titleEntries = {number};
    return b;
}

BookInfo frm7Book(int number)
{
    // Per book: tree, node titles, body texts, TitleTable entry of the title.
    struct Row {
        int tree, titles, bodies, title;
    };
    static constexpr std::array<Row, 17> kBooks = {{
        {31, 32, 33, 56},
        {313, 314, 315, 57},
        {310, 311, 312, 58},
        {37, 38, 39, 59},
        {34, 35, 36, 60},
        {51, 52, 53, 54},
        {54, 55, 56, 55},
        {21, 22, 23, 24},
        {24, 25, 26, 25},
        {27, 28, 29, 26},
        {210, 211, 212, 27},
        {213, 214, 215, 28},
        {61, 62, 63, 68},
        {71, 72, 73, 65},
        {74, 75, 76, 66},
        {77, 78, 79, 67},
        {81, 82, 83, 72},
    }};
    BookInfo b;
    if (number < 1 || number > static_cast<int>(kBooks.size()))
        return b;
    const Row& r = kBooks[static_cast<std::size_t>(number - 1)];
    b.exists = true;
    b.files.tree = tree(r.tree);
    b.files.titles = data(r.titles);
    b.files.bodies = data(r.bodies);
    b.titleEntries = {r.title};
    return b;
}

BookInfo frm410Book(int number)
{
    // Per book: tree, node titles, TitleTable entries of the title (0: no
    // third part). The base of book i is kBookBase[i].
    struct Row {
        int tree, titles;
        std::array<int, 3> title;
    };
    static constexpr std::array<Row, 12> kBooks = {{
        {454, 453, {50, 44, 0}},
        {456, 455, {50, 45, 0}},
        {458, 457, {50, 48, 0}},
        {460, 459, {50, 53, 47}},
        {462, 461, {52, 44, 0}},
        {464, 463, {52, 45, 0}},
        {466, 465, {52, 48, 0}},
        {468, 467, {52, 49, 0}},
        {470, 469, {52, 53, 47}},
        {472, 471, {51, 46, 0}},
        {474, 473, {51, 53, 47}},
        {476, 475, {51, 48, 0}},
    }};
    BookInfo b;
    if (number < 0 || number >= static_cast<int>(kBooks.size()))
        return b;
    const Row& r = kBooks[static_cast<std::size_t>(number)];
    b.exists = true;
    b.files.tree = tree(r.tree);
    b.files.titles = data(r.titles);
    b.files.locators = "data\\1kenor44";
    b.files.articleTexts = "data\\kenor45";
    b.base = kBookBase[static_cast<std::size_t>(number)];
    for (int entry : r.title)
        if (entry != 0)
            b.titleEntries.push_back(entry);
    return b;
}

BookInfo articleBook(const char* treeName, const char* titles, const char* groups,
                     const char* numbers, const char* index, const char* indexTitles, int title)
{
    BookInfo b;
    b.exists = true;
    b.files.tree = treeName;
    b.files.titles = titles;
    b.files.groupMap = groups;
    b.files.articleNumbers = numbers;
    b.files.articleIndex = index;
    b.files.articleTitles = indexTitles;
    b.titleEntries = {title};
    return b;
}

BookInfo frm63Book()
{
    BookInfo b;
    b.exists = true;
    b.files.tree = "data\\1kenor69";
    b.files.titles = "data\\kenor610";
    b.files.bodies = "data\\kenor611";
    b.files.segments = "data\\1kenor612";
    b.files.sound = "data1\\kenor01.wav";
    b.titleEntries = {86};
    return b;
}

} // namespace

int nodeRecordSize(NodeLayout layout)
{
    switch (layout) {
    case NodeLayout::Articles32: return 32;
    case NodeLayout::Range40: return 40;
    case NodeLayout::Body48: return 48;
    case NodeLayout::Passages64: return 64;
    }
    return 0;
}

const ScreenSettings& screenSettings(BookScreen screen)
{
    static const std::array<ScreenSettings, 6> kSettings = {frm14(), frm43(), frm64(),
                                                            frm7(),  frm63(), frm410()};
    return kSettings[static_cast<std::size_t>(screen)];
}

BookInfo bookInfo(BookScreen screen, int number)
{
    switch (screen) {
    case BookScreen::Frm14:
        return articleBook("data\\1kenor117", "data\\kenor116", "data\\1kenor111",
                           "data\\1kenor110", "data\\1kenor115", "data\\kenor114", 101);
    case BookScreen::Frm64:
        return articleBook("data\\1kenor614", "data\\kenor613", "data\\1kenor616",
                           "data\\1kenor615", "data\\1kenor621", "data\\kenor617", 100);
    case BookScreen::Frm43: return frm43Book(number);
    case BookScreen::Frm7: return frm7Book(number);
    case BookScreen::Frm63: return frm63Book();
    case BookScreen::Frm410: return frm410Book(number);
    }
    return {};
}

} // namespace ovta
