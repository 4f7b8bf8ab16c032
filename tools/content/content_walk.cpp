#include "tools/content/content_walk.h"

#include <map>
#include <utility>

#include "shell/globals.h"
#include "store/errors.h"

namespace ovta::tools {
namespace {

Block heading(int level, std::string glyphs, bool plain = false)
{
    return Block::make(Block::Kind::Heading, level, std::move(glyphs), plain);
}

Block text(std::string glyphs)
{
    return Block::make(Block::Kind::Paragraphs, 0, std::move(glyphs));
}

// What tells the texts a list's item opens apart.
std::string placeKey(const TextPlace& place)
{
    return place.kind + "/" + std::to_string(place.currentItem) + "/" +
           std::to_string(place.currentBook);
}

// A link from the document at `from` to the one at `to` (both without ".md").
std::string relativeLink(const std::string& from, const std::string& to)
{
    std::string up;
    for (char c : from)
        if (c == '/')
            up += "../";
    return up + to + ".md";
}

} // namespace

Document exportDocument(const std::vector<TextEntry>& entries,
                        const std::function<std::string(const TextPlace&)>& linkOf)
{
    Document doc;
    if (entries.empty())
        return doc;
    const std::string& path = entries.front().path;
    const auto slash = path.rfind('/');
    doc.path = path + ".md";
    doc.section = slash == std::string::npos ? std::string() : path.substr(0, slash);
    // One titled entry gives the document its title; otherwise the path
    // names it and each entry is a part under its own title.
    const bool parts = entries.size() > 1;
    if (!parts && !entries.front().title.empty()) {
        doc.title = entries.front().title;
    } else {
        doc.title = slash == std::string::npos ? path : path.substr(slash + 1);
        doc.plainTitle = true;
    }
    doc.blocks.push_back(heading(1, doc.title, doc.plainTitle));
    const int base = parts ? 2 : 1;
    for (const TextEntry& entry : entries) {
        if (parts) {
            if (!entry.title.empty())
                doc.blocks.push_back(heading(2, entry.title));
            else if (!entry.label.empty())
                doc.blocks.push_back(heading(2, entry.label, true));
        }
        for (const TextSection& section : entry.sections) {
            // A book's heading stands even untitled: it is a place of the tree.
            if (!section.heading.empty() || section.node != 0)
                doc.blocks.push_back(heading(base + section.level, section.heading));
            if (!section.text.empty())
                doc.blocks.push_back(text(section.text));
            for (const std::string& piece : section.further) {
                doc.blocks.push_back(Block::make(Block::Kind::Rule, 0, {}));
                doc.blocks.push_back(text(piece));
            }
            for (const TextItem& item : section.items) {
                Block b = Block::make(Block::Kind::Item, 0, item.title);
                const std::string to = linkOf(item.place);
                if (!to.empty())
                    b.link = relativeLink(path, to);
                doc.blocks.push_back(std::move(b));
            }
        }
    }
    return doc;
}

ContentWalk::ContentWalk(const ContentDir& dir) : dir_(dir) {}

const TitleTable& ContentWalk::titles() const
{
    return globals().titleTable;
}

void ContentWalk::run(const std::function<void(Document&&)>& sink)
{
    try {
        globals().titleTable.load(dir_);
    } catch (const Error& e) {
        faults_.push_back({"data\\kenor002", -1, e.what()});
    }
    // Every entry first: an item may open a text the catalogue lists later.
    std::map<std::string, std::vector<TextEntry>> byPath;
    std::map<std::string, std::string> pathOf;   // place -> path
    std::map<std::string, std::string> rowTitle; // place -> caption of the first row opening it
    forEachText(
        dir_,
        [&](TextEntry entry) {
            if (entry.path.empty())
                return true;
            for (const TextSection& section : entry.sections)
                for (const TextItem& item : section.items)
                    if (!item.place.kind.empty())
                        rowTitle.emplace(placeKey(item.place), item.title);
            pathOf.emplace(placeKey(entry.place), entry.path);
            byPath[entry.path].push_back(std::move(entry));
            return true;
        },
        [&](const std::string& message) { faults_.push_back({"", -1, message}); });
    // An article no list names is titled as a row that opens it shows it,
    // else by its first line.
    for (auto& [path, entries] : byPath)
        for (TextEntry& entry : entries) {
            if (entry.kind != TextEntry::Kind::Article || !entry.title.empty())
                continue;
            const auto row = rowTitle.find(placeKey(entry.place));
            entry.title = row != rowTitle.end() ? row->second : entry.firstLine();
        }
    const auto linkOf = [&](const TextPlace& place) {
        if (place.kind.empty())
            return std::string();
        const auto to = pathOf.find(placeKey(place));
        return to == pathOf.end() ? std::string() : to->second;
    };
    for (const auto& [path, entries] : byPath)
        sink(exportDocument(entries, linkOf));
}

} // namespace ovta::tools
