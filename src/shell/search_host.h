// A list screen that carries the search button. The search dialog searches
// its titles and hands a hit back to it. A list screen registers itself for
// its `SearchSource` number while it exists; the dialog takes the host of
// the current `SearchSource` at creation.
#pragma once

#include <string>
#include <vector>

namespace ovta {

class SearchHost {
public:
    virtual ~SearchHost();

    // The titles searched, in list order (glyph text).
    virtual const std::vector<std::string>& searchTitles() const = 0;

    // Redraws the list window from `ListTop` (the dialog has just set it).
    virtual void refreshFromListTop() {}
    // Sources 5 and 34: opens the first row of the window, as its click does.
    virtual void openFirstRow() {}
    // Source 47: selects the row and runs the list's click handler.
    virtual void selectAndOpen(int /*row*/) {}
    // Source 47: the selected row, where "search on" continues from.
    virtual int selectedRow() const { return -1; }
};

void setSearchHost(int source, SearchHost* host);
// nullptr when no screen of that source is open.
SearchHost* searchHost(int source);

}  // namespace ovta
