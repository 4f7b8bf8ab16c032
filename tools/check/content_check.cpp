#include "tools/check/content_check.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <optional>
#include <set>

#include "books/book_tables.h"
#include "books/book_columns.h"
#include "books/node_record.h"
#include "lists/block_list.h"
#include "lists/entry_list.h"
#include "lists/frm05.h"
#include "lists/two_pane_titles.h"
#include "pages/chapter_index.h"
#include "reading/reader_settings.h"
#include "reading/topic_index.h"
#include "reading/topic_list.h"
#include "reading/topic_list_settings.h"
#include "store/content_file.h"
#include "store/errors.h"
#include "store/index_list.h"
#include "store/title_table.h"
#include "tools/content/content_files.h"
#include "tools/content/content_walk.h"

namespace ovta::tools {
namespace {

constexpr int kLocatorRecord = 16;
constexpr int kRangeRecord = 16;
constexpr int kPointerRecord = 8;
constexpr int kSegmentRecord = 16;

class Checker {
public:
    Checker(const ContentDir& dir, const PictureProbe& picture) : dir_(dir), picture_(picture) {}

    std::vector<CheckFault> run();

private:
    void fault(const std::string& file, std::int64_t record, int field, std::string message)
    {
        const std::string key = file + "\n" + std::to_string(record) + "\n" +
                                std::to_string(field) + "\n" + message;
        if (seen_.insert(key).second)
            faults_.push_back({file, record, field, std::move(message)});
    }

    const IndexList* list(const std::string& name);
    std::int64_t dataSize(const std::string& name);
    std::int64_t records(const std::string& name, int recordSize);
    std::optional<std::int32_t> field(const std::string& name, std::int64_t record,
                                      int recordSize, int fieldNumber);
    void textPair(const std::string& listName, std::int64_t record, int offsetField,
                  std::int32_t offset, std::int32_t length, const std::string& dataName);
    bool pointer(const std::string& listName, std::int64_t record, int fieldNumber,
                 std::int64_t value, std::int64_t count, const std::string& target);
    void pairsOf(const std::string& listName, int recordSize, int offsetField,
                 const std::string& dataName);

    void topics();
    void readers();
    void books();
    void lists();
    void topicIndex();
    void pictures();

    const ContentDir& dir_;
    const PictureProbe& picture_;
    std::vector<CheckFault> faults_;
    std::set<std::string> seen_;
    std::map<std::string, std::optional<IndexList>> lists_;
    std::map<std::string, std::int64_t> sizes_;
    std::set<std::pair<std::string, int>> structured_;
};

const IndexList* Checker::list(const std::string& name)
{
    auto it = lists_.find(name);
    if (it == lists_.end()) {
        std::optional<IndexList> loaded;
        try {
            loaded = IndexList::load(dir_, name);
        } catch (const Error& e) {
            fault(name, -1, 0, "cannot be read (" + std::string(e.what()) + ")");
        }
        it = lists_.emplace(name, std::move(loaded)).first;
    }
    return it->second ? &*it->second : nullptr;
}

std::int64_t Checker::dataSize(const std::string& name)
{
    auto it = sizes_.find(name);
    if (it == sizes_.end()) {
        std::int64_t size = -1;
        try {
            size = ContentFile::open(dir_, name).size();
        } catch (const Error& e) {
            fault(name, -1, 0, "cannot be read (" + std::string(e.what()) + ")");
        }
        it = sizes_.emplace(name, size).first;
    }
    return it->second;
}

// The whole records of a list read as fields, checking once per layout that
// it is written as the reader reads it: one line, whole records, numbers.
std::int64_t Checker::records(const std::string& name, int recordSize)
{
    const IndexList* l = list(name);
    if (!l)
        return 0;
    const std::int64_t count = l->recordCount(recordSize);
    if (!structured_.insert({name, recordSize}).second)
        return count;
    if (l->lineCount() > 1)
        fault(name, -1, 0,
              "written on " + std::to_string(l->lineCount()) +
                  " lines: the records after the first line break are read shifted");
    // The list text ends with the CR LF every line gets.
    const auto body = static_cast<std::int64_t>(l->text().size()) - 2;
    if (body > 0 && body % recordSize != 0)
        fault(name, count, 0,
              std::to_string(body % recordSize) + " characters after the last whole record of " +
                  std::to_string(recordSize));
    for (std::int64_t r = 0; r < count; ++r)
        for (int f = 1; f <= recordSize / 8; ++f)
            try {
                (void)l->field(r, recordSize, f);
            } catch (const Error& e) {
                fault(name, r, f, e.what());
            }
    return count;
}

std::optional<std::int32_t> Checker::field(const std::string& name, std::int64_t record,
                                           int recordSize, int fieldNumber)
{
    const IndexList* l = list(name);
    if (!l)
        return std::nullopt;
    try {
        return l->field(record, recordSize, fieldNumber);
    } catch (const Error&) {
        return std::nullopt; // reported by records()
    }
}

void Checker::textPair(const std::string& listName, std::int64_t record, int offsetField,
                       std::int32_t offset, std::int32_t length, const std::string& dataName)
{
    if (offset < 0) {
        fault(listName, record, offsetField, "negative offset " + std::to_string(offset));
        return;
    }
    if (length < 0) {
        fault(listName, record, offsetField + 1, "negative length " + std::to_string(length));
        return;
    }
    const std::int64_t size = dataSize(dataName);
    if (size >= 0 && static_cast<std::int64_t>(offset) + length > size)
        fault(listName, record, offsetField,
              "text at " + std::to_string(offset) + " of length " + std::to_string(length) +
                  " runs past the end of \"" + dataName + "\" (" + std::to_string(size) +
                  " bytes)");
}

bool Checker::pointer(const std::string& listName, std::int64_t record, int fieldNumber,
                      std::int64_t value, std::int64_t count, const std::string& target)
{
    if (value >= 1 && value <= count)
        return true;
    fault(listName, record, fieldNumber,
          "points at record " + std::to_string(value) + " of \"" + target + "\", which has " +
              std::to_string(count));
    return false;
}

// Every record's (offset, length) at `offsetField` inside `dataName`.
void Checker::pairsOf(const std::string& listName, int recordSize, int offsetField,
                      const std::string& dataName)
{
    const std::int64_t n = records(listName, recordSize);
    for (std::int64_t r = 0; r < n; ++r) {
        const auto offset = field(listName, r, recordSize, offsetField);
        const auto length = field(listName, r, recordSize, offsetField + 1);
        if (offset && length)
            textPair(listName, r, offsetField, *offset, *length, dataName);
    }
}

void Checker::topics()
{
    for (const TopicSource& source : kTopicSources) {
        const TopicListSettings& settings = topicListSettings(source.kind);
        const ReaderSettings& reader = readerSettings(settings.reader);
        const std::string name = source.topics ? source.topics : settings.topicFile;
        const std::string titles = source.titles ? source.titles : settings.titlesFile;
        const TopicListRules& rules = settings.rules;
        const int size = recordSize(rules.record);
        const int offsetField = rules.record == TopicRecord::OrderA ? 2 : 1;
        const int articleField = rules.record == TopicRecord::Grouped  ? 4
                                 : rules.record == TopicRecord::OrderA ? 1
                                                                       : 3;
        const ReaderFileNames files = settings.openerFilesFor ? settings.readerFiles : reader.files;
        const std::int64_t articles = records(files.locators, kLocatorRecord);
        const std::int64_t n = records(name, size);
        const IndexList* l = list(name);
        std::map<std::int32_t, int> perGroup;
        for (std::int64_t r = 0; l && r < n; ++r) {
            TopicFields t;
            try {
                t = readTopic(*l, rules.record, r);
            } catch (const Error&) {
                continue; // reported by records()
            }
            textPair(name, r, offsetField, t.offset, t.length, titles);
            // The record the reader reads for this topic, counted from 1.
            const std::int64_t wanted = static_cast<std::int64_t>(t.article) + rules.numberOffset +
                                        settings.itemOffset + reader.recordOffset + 1;
            if (list(files.locators))
                pointer(name, r, articleField, wanted, articles, files.locators);
            ++perGroup[rules.byGroup ? t.group : 0];
        }
        for (const auto& [group, count] : perGroup)
            if (count > rules.capacity)
                fault(name, -1, 0,
                      std::to_string(count) + " topics" +
                          (rules.byGroup ? " in group " + std::to_string(group) : "") +
                          ": the list of " + settings.kind + " holds " +
                          std::to_string(rules.capacity));
    }
}

void Checker::readers()
{
    std::vector<std::pair<ReaderFileNames, int>> sets;
    for (const char* kind : {"frm02", "frm45"}) {
        const TopicListSettings& s = topicListSettings(kind);
        sets.emplace_back(s.readerFiles, readerSettings(s.reader).article.pairs);
    }
    for (const char* kind : kOwnFileReaders) {
        const ReaderSettings& r = readerSettings(kind);
        sets.emplace_back(r.files, r.article.pairs);
    }
    for (const auto& [files, pairs] : sets) {
        pairsOf(files.locators, kLocatorRecord, 1, files.articles);
        const std::int64_t articles = records(files.locators, kLocatorRecord);
        const std::int64_t sections = records(files.sections, 16 * pairs);
        if (list(files.locators) && list(files.sections) && sections < articles)
            fault(files.sections, -1, 0,
                  std::to_string(sections) + " section records for " + std::to_string(articles) +
                      " articles of \"" + files.locators + "\"");
        for (std::int64_t r = 0; r < sections; ++r)
            for (int p = 0; p < pairs; ++p) {
                const auto start = field(files.sections, r, 16 * pairs, 2 * p + 1);
                const auto length = field(files.sections, r, 16 * pairs, 2 * p + 2);
                if (start && *start < 0)
                    fault(files.sections, r, 2 * p + 1, "negative start " + std::to_string(*start));
                if (length && *length < 0)
                    fault(files.sections, r, 2 * p + 2,
                          "negative length " + std::to_string(*length));
            }
    }
}

void Checker::books()
{
    std::set<std::string> done;
    for (BookScreen screen : kAllBookScreens) {
        const ScreenSettings& s = screenSettings(screen);
        for (int number = 0; number <= kLastBookNumber; ++number) {
            const BookInfo info = bookInfo(screen, number);
            const BookFileNames& f = info.files;
            if (!info.exists || f.tree.empty() || !done.insert(f.tree).second)
                continue;
            const int size = nodeRecordSize(s.layout);
            const std::int64_t nodes = records(f.tree, size);
            const IndexList* tree = list(f.tree);
            if (nodes > s.capacity.nodes)
                fault(f.tree, -1, 0,
                      std::to_string(nodes) + " headings: " + s.name + " holds " +
                          std::to_string(s.capacity.nodes));
            const std::int64_t groups = f.groupMap.empty() ? 0 : records(f.groupMap, kRangeRecord);
            const std::int64_t numbers =
                f.articleNumbers.empty() ? 0 : records(f.articleNumbers, kPointerRecord);
            const std::int64_t indexed =
                f.articleIndex.empty() ? 0 : records(f.articleIndex, s.articleRecordSize);
            const std::int64_t locators =
                f.locators.empty() ? 0 : records(f.locators, kLocatorRecord);
            const std::int64_t segments =
                f.segments.empty() ? 0 : records(f.segments, kSegmentRecord);
            if (!f.locators.empty() && !f.articleTexts.empty())
                pairsOf(f.locators, kLocatorRecord, 1, f.articleTexts);
            if (!f.articleIndex.empty() && !f.articleTitles.empty())
                pairsOf(f.articleIndex, s.articleRecordSize, s.articleTitleField, f.articleTitles);
            for (std::int64_t r = 0; r < numbers; ++r)
                if (const auto a = field(f.articleNumbers, r, kPointerRecord, 1))
                    pointer(f.articleNumbers, r, 1, *a + info.base, indexed, f.articleIndex);
            for (std::int64_t r = 0; r < groups; ++r) {
                const auto first = field(f.groupMap, r, kRangeRecord, 1);
                const auto last = field(f.groupMap, r, kRangeRecord, 2);
                if (first && last && *first > 0 && *last >= *first) {
                    pointer(f.groupMap, r, 1, *first, numbers, f.articleNumbers);
                    pointer(f.groupMap, r, 2, *last, numbers, f.articleNumbers);
                }
            }
            int level1 = 0;
            for (std::int64_t r = 0; tree && r < nodes; ++r) {
                NodeFields n;
                try {
                    n = readNode(*tree, s.layout, r + 1);
                } catch (const Error&) {
                    continue; // reported by records()
                }
                const int titleField = s.layout == NodeLayout::Body48 ||
                                               s.layout == NodeLayout::Passages64
                                           ? 2
                                           : 1;
                textPair(f.tree, r, titleField, n.titleOffset, n.titleLength, f.titles);
                if (n.level == 1)
                    ++level1;
                switch (s.layout) {
                case NodeLayout::Articles32:
                    if (n.group > 0 && !f.groupMap.empty())
                        pointer(f.tree, r, 4, n.group, groups, f.groupMap);
                    break;
                case NodeLayout::Range40:
                    if (n.firstArticle > 0 && n.lastArticle >= n.firstArticle) {
                        pointer(f.tree, r, 4, n.firstArticle + info.base, locators, f.locators);
                        pointer(f.tree, r, 5, n.lastArticle + info.base, locators, f.locators);
                    }
                    break;
                case NodeLayout::Passages64:
                    if (n.firstSegment != 0 && n.lastSegment >= n.firstSegment) {
                        pointer(f.tree, r, 8, n.firstSegment, segments, f.segments);
                        pointer(f.tree, r, 7, n.lastSegment, segments, f.segments);
                    }
                    [[fallthrough]];
                case NodeLayout::Body48:
                    textPair(f.tree, r, 4, n.bodyOffset, n.bodyLength, f.bodies);
                    break;
                }
            }
            if (level1 > s.capacity.level1)
                fault(f.tree, -1, 0,
                      std::to_string(level1) + " level-1 headings: the first column of " +
                          s.name + " holds " + std::to_string(s.capacity.level1));
        }
    }
}

void Checker::lists()
{
    for (int item = 1; const Frm05Set* set = frm05Set(item); ++item) {
        const int titleRecord = TwoPaneTitles::kNumberedTitleRecord;
        pairsOf(set->titleIndex, titleRecord, 1, set->titles);
        pairsOf(set->textIndex, TwoPaneTitles::kNumberedTextRecord, 1, set->texts);
        const std::int64_t texts = records(set->textIndex, TwoPaneTitles::kNumberedTextRecord);
        const std::int64_t titles = records(set->titleIndex, titleRecord);
        if (titles > TwoPaneTitles::kCapacity)
            fault(set->titleIndex, -1, 0,
                  std::to_string(titles) + " titles: the list holds " +
                      std::to_string(TwoPaneTitles::kCapacity));
        for (std::int64_t r = 0; r < titles; ++r)
            if (const auto n = field(set->titleIndex, r, titleRecord, 3))
                pointer(set->titleIndex, r, 3, *n, texts, set->textIndex);
    }
    pairsOf(kCategoryIndex, TwoPaneTitles::kCategoryRecord, 2, kCategoryTitles);
    pairsOf(kCategoryIndex, TwoPaneTitles::kCategoryRecord, 4, kCategoryTexts);
    pairsOf(kBlockIndex, BlockList::kRecord, 1, kBlockTitles);
    pairsOf(kBlockIndex, BlockList::kRecord, 3, kBlockTexts);
    const std::int64_t blocks = records(kBlockIndex, BlockList::kRecord);
    for (int item = 1; const auto block = recordBlock(item); ++item)
        if (list(kBlockIndex) && block->last > blocks)
            fault(kBlockIndex, -1, 0,
                  "block " + std::to_string(item) + " ends at record " +
                      std::to_string(block->last) + ", the list has " + std::to_string(blocks));
    pairsOf(kEntryIndex, EntryList::kRecord, 2, kEntryTitles);
    pairsOf(kEntryIndex, EntryList::kRecord, 4, kEntryTexts);
    const std::int64_t entries = records(kEntryIndex, EntryList::kRecord);
    if (list(kEntryIndex) && entries < EntryList::kEntries)
        fault(kEntryIndex, -1, 0,
              std::to_string(entries) + " records: the list reads " +
                  std::to_string(EntryList::kEntries));
}

// Each range record (first, last) of `ranges` points into `pointers`, and
// each pointer into a target of `targets` entries; a span longer than
// `capacity` does not fit the screen's table.
void Checker::topicIndex()
{
    const auto lineCount = [&](const char* name) -> std::int64_t {
        const IndexList* l = list(name);
        return l ? static_cast<std::int64_t>(l->lineCount()) : 0;
    };
    const std::int64_t headings1 = lineCount(kIndexHeadings1);
    const std::int64_t headings2 = lineCount(kIndexHeadings2);
    const std::int64_t articles = records(kIndexArticles, kIndexArticleRecord);
    const std::int64_t pointers1 = records(kIndexPointers1, kPointerRecord);
    const std::int64_t pointers2 = records(kIndexPointers2, kPointerRecord);

    const auto spans = [&](const char* ranges, std::int64_t needed, const char* pointers,
                           std::int64_t pointerCount, int capacity) {
        const std::int64_t n = records(ranges, kRangeRecord);
        if (list(ranges) && n < needed)
            fault(ranges, -1, 0,
                  std::to_string(n) + " range records for " + std::to_string(needed) +
                      " headings");
        for (std::int64_t r = 0; r < n; ++r) {
            const auto first = field(ranges, r, kRangeRecord, 1);
            const auto last = field(ranges, r, kRangeRecord, 2);
            if (!first || !last || *first <= 0 || *last < *first)
                continue;
            pointer(ranges, r, 1, *first, pointerCount, pointers);
            pointer(ranges, r, 2, *last, pointerCount, pointers);
            if (*last - *first + 1 > capacity)
                fault(ranges, r, 0,
                      "a span of " + std::to_string(*last - *first + 1) +
                          " entries: the screen's list holds " + std::to_string(capacity));
        }
    };
    spans(kIndexRanges1, headings1, kIndexPointers1, pointers1, TopicIndex::Level2Capacity);
    spans(kIndexRanges2, headings2, kIndexPointers2, pointers2, TopicIndex::TitleCapacity);
    for (std::int64_t r = 0; r < pointers1; ++r)
        if (const auto v = field(kIndexPointers1, r, kPointerRecord, 1))
            if (*v < 1 || *v > headings2)
                fault(kIndexPointers1, r, 1,
                      "points at line " + std::to_string(*v) + " of \"" + kIndexHeadings2 +
                          "\", which has " + std::to_string(headings2));
    for (std::int64_t r = 0; r < pointers2; ++r)
        if (const auto v = field(kIndexPointers2, r, kPointerRecord, 1))
            pointer(kIndexPointers2, r, 1, *v, articles, kIndexArticles);

    pairsOf(kIndexArticles, kIndexArticleRecord, 1, kIndexTitles);
    const TopicListSettings& opener = topicListSettings("frm02");
    const std::int64_t locators = records(opener.readerFiles.locators, kLocatorRecord);
    const int recordOffset = readerSettings(opener.reader).recordOffset;
    for (std::int64_t r = 0; r < articles; ++r)
        if (const auto a = field(kIndexArticles, r, kIndexArticleRecord, 4))
            pointer(kIndexArticles, r, 4, *a + recordOffset + 1, locators,
                    opener.readerFiles.locators);
}

void Checker::pictures()
{
    auto probe = [&](const std::string& name) {
        const auto path = ContentFile::regularFile(dir_, name);
        if (!path) {
            fault(name, -1, 0, "missing");
            return;
        }
        std::string why;
        if (picture_ && !picture_(*path, why))
            fault(name, -1, 0, "cannot be decoded as a picture: " + why);
    };
    for (const char* name : kFixedPictures)
        probe(name);
    for (RowIcon icon : {RowIcon::Closed, RowIcon::Open, RowIcon::Leaf})
        probe(iconPicture(icon));

    ChapterIndex chapters;
    try {
        chapters.load(dir_);
    } catch (const Error& e) {
        fault(ChapterIndex::kZoneList, -1, 0, e.what());
    }
    for (int c = 1; c <= chapters.count(); ++c)
        probe(pagePictureName(chapters.firstPage(c)));

    // Every other picture of the media folder, hover pictures and pages
    // beyond the first of a chapter among them.
    if (const auto folder = dir_.resolve("data1"); folder && std::filesystem::is_directory(*folder)) {
        std::vector<std::string> names;
        std::error_code ec;
        for (auto it = std::filesystem::recursive_directory_iterator(*folder, ec);
             !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
            std::string ext = it->path().extension().string();
            std::transform(ext.begin(), ext.end(), ext.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            if (ext != ".bmp" || !it->is_regular_file(ec))
                continue;
            std::string name = "data1\\" + it->path().lexically_relative(*folder).string();
            std::replace(name.begin(), name.end(), '/', '\\');
            names.push_back(std::move(name));
        }
        std::sort(names.begin(), names.end());
        for (const std::string& name : names)
            probe(name);
    }

    for (const char* name : kFixedMedia) {
        const auto path = ContentFile::regularFile(dir_, name);
        if (!path) {
            fault(name, -1, 0, "missing");
            continue;
        }
        // Sound and video files are RIFF files of their kind.
        std::string head(12, '\0');
        const ContentFile file = ContentFile::open(dir_, name);
        head.resize(file.readAt(0, head.data(), head.size()));
        const std::string_view kind = std::string_view(name).ends_with(".avi") ? "AVI " : "WAVE";
        if (head.size() < 12 || head.compare(0, 4, "RIFF") != 0 || head.compare(8, 4, kind) != 0)
            fault(name, -1, 0, "not a RIFF " + std::string(kind) + " file");
    }
    for (const char* name : kFontFiles)
        if (!ContentFile::regularFile(dir_, name))
            fault(name, -1, 0, "missing");
}

std::vector<CheckFault> Checker::run()
{
    for (const std::string& folder : dir_.missingFolders())
        fault(folder, -1, 0, "missing folder");
    // Reading everything as the screens do finds the faults they would
    // report (fields, capacities, title table).
    ContentWalk walk(dir_);
    walk.run([](Document&&) {});
    for (const WalkFault& f : walk.faults())
        fault(f.file, f.record, 0, f.message);
    topics();
    readers();
    books();
    lists();
    topicIndex();
    pictures();
    // A fault the walk met while reading is also found by the checks above,
    // with its field: keep the one that says more.
    std::vector<CheckFault> kept;
    for (const CheckFault& f : faults_) {
        const bool repeated = f.field == 0 && std::any_of(faults_.begin(), faults_.end(),
                                                          [&](const CheckFault& g) {
                                                              return g.field > 0 &&
                                                                     g.message == f.message;
                                                          });
        if (!repeated)
            kept.push_back(f);
    }
    return kept;
}

std::string jsonString(std::string_view s)
{
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

} // namespace

std::vector<CheckFault> checkContent(const ContentDir& dir, const PictureProbe& picture)
{
    return Checker(dir, picture).run();
}

std::string faultLine(const CheckFault& f)
{
    std::string line = f.file.empty() ? std::string("(content)") : f.file;
    if (f.record >= 0)
        line += ", record " + std::to_string(f.record + 1);
    if (f.field > 0)
        line += ", field " + std::to_string(f.field);
    return line + ": " + f.message;
}

std::string faultsJson(const std::vector<CheckFault>& faults)
{
    std::string out = "{\"clean\": ";
    out += faults.empty() ? "true" : "false";
    out += ", \"faults\": [";
    for (std::size_t i = 0; i < faults.size(); ++i) {
        const CheckFault& f = faults[i];
        out += i ? ",\n  " : "\n  ";
        out += "{\"file\": " + jsonString(f.file) +
               ", \"record\": " + std::to_string(f.record + 1) +
               ", \"field\": " + std::to_string(f.field) +
               ", \"message\": " + jsonString(f.message) + "}";
    }
    out += faults.empty() ? "]}\n" : "\n]}\n";
    return out;
}

} // namespace ovta::tools
