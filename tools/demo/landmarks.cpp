#include "demo/landmarks.h"

#include <array>

#include "demo/prose.h"
#include "demo/reading_files.h"

namespace ovta::demo {

namespace {

struct Group {
    int number;
    LandmarkKind kind;
    std::vector<std::string> titles;
};

std::vector<std::string> withPrefix(std::string_view prefix,
                                    std::initializer_list<std::string_view> names)
{
    std::vector<std::string> out;
    for (auto n : names)
        out.push_back(std::string(prefix) + std::string(n));
    return out;
}

std::vector<Group> groups()
{
    std::vector<Group> g;
    // Mosques: named ones, then the great mosques of the towns (long titles
    // that need the magnifier).
    auto mosques = withPrefix("مسجد ", {"الرحمة", "النور", "التقوى", "الفتح", "السلام", "الهدى",
                                        "الإجابة", "الغمامة", "البيعة", "الجمعة", "الراية",
                                        "السقيا", "المصلى", "القبلتين"});
    for (auto town : {"صنعاء", "زبيد", "دمشق", "حلب", "القيروان", "فاس", "تلمسان", "قرطبة",
                      "الكوفة", "البصرة", "سامراء", "واسط", "الفسطاط", "الطائف"})
        mosques.push_back(std::string("الجامع الكبير في ") + town);
    g.push_back({1, LandmarkKind::Mosque, mosques});
    g.push_back(
        {2, LandmarkKind::City,
         withPrefix(
             "",
             {"مكة المكرمة", "المدينة المنورة", "الطائف",  "جدة",         "ينبع",    "تبوك",
              "خيبر",        "تيماء",           "العلا",   "دومة الجندل", "حائل",    "الأحساء",
              "نجران",       "صنعاء",           "زبيد",    "دمشق",        "حلب",     "بيت المقدس",
              "بغداد",       "البصرة",          "الكوفة",  "القاهرة",     "الفسطاط", "القيروان",
              "فاس",         "قرطبة",           "غرناطة",  "سمرقند",      "بخارى",   "سامراء",
              "واسط",        "الرملة",          "نيسابور", "مرو الشاهجان"})});
    g.push_back({3, LandmarkKind::Mountain,
                 withPrefix("", {"جبل أحد",    "جبل ثور",    "جبل النور",   "جبل الرحمة",
                                 "جبل سلع",    "جبل عير",    "جبل طويق",    "جبال السروات",
                                 "جبل أجا",    "جبل سلمى",   "وادي العقيق", "وادي بطحان",
                                 "وادي فاطمة", "وادي حنيفة", "وادي الرمة",  "وادي الدواسر",
                                 "وادي نعمان", "وادي القرى", "وادي حضرموت", "حرة واقم"})});
    g.push_back({4, LandmarkKind::Water,
                 withPrefix("", {"بئر رومة", "بئر أريس", "بئر غرس", "بئر بضاعة", "بئر حاء",
                                 "بئر طوى", "بئر الروحاء", "عين زبيدة", "عين الزرقاء", "عين حنين",
                                 "عيون الأفلاج", "عين فرعة"})});
    g.push_back({5, LandmarkKind::Fort,
                 withPrefix("", {"قلعة صلاح الدين", "قلعة حلب", "قلعة تبوك", "قلعة الأزنم",
                                 "قلعة المويلح", "قلعة زعبل", "قصر المصمك", "قلعة الزبارة",
                                 "قلعة عجلون", "قلعة الكرك", "قلعة بعلبك", "قلعة الجبل بالقاهرة",
                                 "حصن القموص", "حصن ناعم", "حصن مارد", "حصن الأخيضر"})});
    g.push_back({6, LandmarkKind::School,
                 withPrefix("", {"المدرسة النظامية في بغداد", "المدرسة المستنصرية",
                                 "المدرسة الصولتية", "مدرسة السلطان حسن", "المدرسة العادلية",
                                 "المدرسة الظاهرية", "المدرسة البوعنانية", "جامعة القرويين",
                                 "جامع الزيتونة", "رباط العلماء في زبيد", "بيت الحكمة",
                                 "مكتبة الحرم", "خزانة الكتب في قرطبة", "دار العلم في القاهرة"})});
    g.push_back({7, LandmarkKind::Battle,
                 withPrefix("موقع غزوة ",
                            {"بدر", "أحد", "الخندق", "خيبر", "حنين", "تبوك", "مؤتة", "بني المصطلق",
                             "ذات الرقاع", "الأبواء", "بواط", "العشيرة", "بدر الموعد",
                             "دومة الجندل", "الحديبية", "الطائف", "وادي القرى", "حمراء الأسد"})});
    g.push_back({8, LandmarkKind::Market,
                 withPrefix("", {"سوق عكاظ", "سوق ذي المجاز", "سوق مجنة", "سوق المدينة",
                                 "درب زبيدة", "طريق الهجرة", "طريق البخور"})});
    return g;
}

constexpr std::string_view kDirections[] = {"شمال", "جنوب", "شرق", "غرب", "وسط"};
constexpr std::string_view kCenturies[] = {"الأول",  "الثاني", "الثالث", "الرابع",
                                           "الخامس", "السادس", "السابع", "الثامن"};
constexpr std::string_view kRegions[] = {"الحجاز", "نجد",    "تهامة", "اليمن",
                                         "الشام",  "العراق", "مصر",   "المغرب"};

// The sub-sections of one landmark's article, as wrapped lines; a long
// article has three paragraphs in each.
std::vector<Section> landmarkArticle(Prose& prose, const Landmark& l, bool longArticle)
{
    const Slots slots{{'N', l.title},
                      {'C', std::string(prose.pick(kRegions))},
                      {'D', std::string(prose.pick(kDirections))},
                      {'K', std::to_string(5 + prose.below(60))},
                      {'H', std::string(prose.pick(kCenturies))},
                      {'Y', std::to_string(100 + prose.below(1200))}};
    std::vector<Section> sections;
    for (int k = 1; k <= 7; ++k) {
        const auto pool = landmarkSentences(l.kind, k);
        Section lines;
        for (int para = 0; para < (longArticle ? 3 : 1); ++para) {
            const auto more = Prose::wrap(prose.paragraph(pool, 2 + prose.below(5), slots));
            lines.insert(lines.end(), more.begin(), more.end());
        }
        sections.push_back(lines);
    }
    return sections;
}

} // namespace

const std::vector<Landmark>& landmarks()
{
    static const std::vector<Landmark> all = [] {
        std::vector<Landmark> out;
        int article = 0;
        for (const Group& g : groups())
            for (const auto& t : g.titles)
                out.push_back({t, g.number, g.kind, ++article});
        return out;
    }();
    return all;
}

std::vector<DemoFile> landmarkFiles()
{
    Prose prose(0x4C414E44); // "LAND"
    ArticleFiles articles(7);
    std::string topics, topics7;
    TitleData titles, titles7;
    for (const Landmark& l : landmarks()) {
        // The two holy cities get long articles, many pages of text.
        const bool longArticle = l.group == 2 && l.article <= 30;
        auto sections = landmarkArticle(prose, l, longArticle);
        // Variety the reader must cope with: landmarks of nature have no
        // building; every seventh article has no sources; wells are short.
        if (l.kind == LandmarkKind::Mountain && l.article % 2 == 0)
            sections[3].clear();
        if (l.article % 7 == 0)
            sections[6].clear();
        if (l.kind == LandmarkKind::Water)
            for (int k = 2; k < 7; ++k)
                sections[static_cast<std::size_t>(k)].clear();
        int n = 0;
        if (l.title == "سوق مجنة") {
            // The first sub-section starts the article: it is read in the
            // whole text but has no entry of its own in the chooser.
            n = articles.addFromStart(sections);
        } else if (l.title == "وادي نعمان") {
            // Sub-sections out of order and one pointing past the end.
            std::vector<std::string> lines{l.title};
            for (const auto& s : sections)
                lines.insert(lines.end(), s.begin(), s.end());
            n = articles.addRaw(lines, {{40, 120}, {5, 30}, {900000, 50}, {0, 0}, {160, 400}});
        } else {
            n = articles.add(l.title, sections);
        }
        (void)n;
        TitleData& data = l.group == 7 ? titles7 : titles;
        const auto [offset, length] = data.add(l.title);
        (l.group == 7 ? topics7 : topics) += fields({offset, length, l.group, l.article});
    }
    return {
        {"data\\1kenor01", topics},
        {"data\\kenor02", titles.bytes()},
        {"data\\1kenor022", topics7},
        {"data\\kenor023", titles7.bytes()},
        {"data\\1kenor010", articles.locators()},
        {"data\\1kenor011", articles.sectionList()},
        {"data\\kenor09", articles.data()},
    };
}

} // namespace ovta::demo
