#include "demo/topic_index_content.h"

#include <string_view>

#include "demo/landmarks.h"
#include "demo/reading_files.h"

namespace ovta::demo {

namespace {

// A level-2 heading: its text and the landmarks under it, as a group of
// frm02 and a range of that group's entries, with the icon kind they show.
struct Heading2 {
    std::string_view text;
    int group;
    int first; // 0-based entry of the group
    int count;
    int icon;
};

struct Heading1 {
    std::string_view text;
    std::vector<Heading2> below;
};

const std::vector<Heading1>& outline()
{
    static const std::vector<Heading1> table = {
        {"بيوت الله",
         {{"مساجد الحجاز", 1, 0, 4, 5},
          {"مساجد المدينة", 1, 4, 5, 5},
          {"مساجد السيرة", 1, 8, 3, 1},
          {"مساجد متفرقة", 1, 11, 3, 5},
          {"الجوامع الكبرى", 1, 14, 14, 5},
          {"جوامع اليمن", 1, 14, 2, 2},
          {"جوامع الشام", 1, 16, 2, 2},
          {"جوامع المغرب والأندلس", 1, 18, 4, 9},
          {"جوامع العراق", 1, 22, 4, 0}}},
        {"الحواضر",
         {{"مدن الحجاز", 2, 0, 10, 3},
          {"مدن نجد والأحساء", 2, 10, 2, 4},
          {"مدن اليمن", 2, 12, 3, 3},
          {"مدن الشام", 2, 15, 3, 4},
          {"مدن العراق", 2, 18, 3, 3},
          {"مدن مصر والمغرب", 2, 21, 6, 4},
          {"مدن المشرق", 2, 27, 2, 3},
          {"مدن أخرى", 2, 29, 5, 4}}},
        {"التضاريس", {{"الجبال", 3, 0, 10, 6}, {"الأودية", 3, 10, 9, 6}, {"الحرار", 3, 19, 1, 2}}},
        {"المياه", {{"الآبار", 4, 0, 7, 7}, {"العيون", 4, 7, 5, 7}}},
        {"العمارة الحربية", {{"القلاع", 5, 0, 12, 8}, {"الحصون", 5, 12, 4, 8}}},
        {"العلم والعلماء", {{"المدارس", 6, 0, 10, 9}, {"المكتبات وخزائن الكتب", 6, 10, 4, 9}}},
        {"الغزوات",
         {{"الغزوات الكبرى", 7, 0, 6, 2},
          {"غزوات أخرى", 7, 6, 6, 2},
          {"غزوات ومواضع", 7, 12, 6, 1}}},
        {"التجارة والطرق", {{"الأسواق الموسمية", 8, 0, 4, 1}, {"طرق القوافل", 8, 4, 3, 3}}},
        {"معالم مختارة",
         {{"من مساجد الحجاز", 1, 0, 3, 5},
          {"من مدن الحجاز", 2, 0, 3, 3},
          {"من جبال الحجاز", 3, 0, 3, 6},
          {"من آبار المدينة", 4, 0, 3, 7},
          {"من قلاع الشام", 5, 0, 2, 8},
          {"من مدارس العراق", 6, 0, 2, 9},
          {"من الغزوات", 7, 0, 3, 2},
          {"من الأسواق", 8, 0, 3, 1}}},
        // Announced in the outline, written later: a range that holds nothing.
        {"موضوعات قيد الإعداد", {}},
    };
    return table;
}

// The landmarks of group `group`, in entry order.
std::vector<const Landmark*> groupOf(int group)
{
    std::vector<const Landmark*> out;
    for (const Landmark& l : landmarks())
        if (l.group == group)
            out.push_back(&l);
    return out;
}

} // namespace

std::vector<DemoFile> topicIndexFiles()
{
    std::string level1, level2;
    std::string ranges1, pointers1, ranges2, pointers2, records;
    TitleData titles;
    int level2Lines = 0;
    int pointer1Count = 0;
    int pointer2Count = 0;
    int recordCount = 0;
    for (const Heading1& h1 : outline()) {
        level1 += glyphLine(h1.text) + "\r\n";
        if (h1.below.empty()) {
            ranges1 += fields({5, 4});
            continue;
        }
        ranges1 += fields({pointer1Count, pointer1Count + static_cast<int>(h1.below.size()) - 1});
        for (const Heading2& h2 : h1.below) {
            level2 += glyphLine(h2.text) + "\r\n";
            ++level2Lines;
            pointers1 += fields({level2Lines});
            ++pointer1Count;
            const auto members = groupOf(h2.group);
            ranges2 += fields({pointer2Count, pointer2Count + h2.count - 1});
            for (int i = 0; i < h2.count; ++i) {
                const Landmark& l =
                    *members.at(static_cast<std::size_t>(h2.first + i) % members.size());
                const auto [offset, length] = titles.add(l.title);
                // Cities alternate between the two map kinds, which share a picture.
                const int icon = h2.icon == 3 && i % 2 ? 4 : h2.icon;
                records += fields({offset, length, icon, l.article});
                ++recordCount;
                pointers2 += fields({recordCount});
                ++pointer2Count;
            }
            // The caravan roads list their first road twice, as a map and
            // as a text: the same title with an icon of its own each.
            if (h2.text == "طرق القوافل") {
                const Landmark& l = *members.at(static_cast<std::size_t>(h2.first));
                const auto [offset, length] = titles.add(l.title);
                records += fields({offset, length, 1, l.article});
                ++recordCount;
                pointers2 += fields({recordCount});
                ++pointer2Count;
                ranges2.replace(ranges2.size() - 8, 8, fields({pointer2Count - 1}));
            }
        }
    }
    return {
        {"data\\kenor07", level1},     {"data\\1kenor06", ranges1},
        {"data\\1kenor05", pointers1}, {"data\\kenor08", level2},
        {"data\\1kenor04", ranges2},   {"data\\1kenor03", pointers2},
        {"data\\1kenor016", records},  {"data\\kenor017", titles.bytes()},
    };
}

} // namespace ovta::demo
