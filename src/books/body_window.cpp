#include "books/body_window.h"

namespace ovta {

void BodyWindow::setText(std::string_view text)
{
    store_.setText(text);
    pager_.setCount(store_.count());
}

void BodyWindow::reset()
{
    store_.clear();
    pager_.reset();
}

std::string BodyWindow::shown() const
{
    std::string text;
    const auto& lines = store_.lines();
    for (int i : pager_.window()) {
        if (static_cast<std::size_t>(i) >= lines.size())
            break;
        const std::string& line = lines[static_cast<std::size_t>(i)];
        if (i == pager_.top()) {
            text = line;
            continue;
        }
        text += "\r\n ";
        text += line;
        text += ' ';
    }
    return text;
}

} // namespace ovta
