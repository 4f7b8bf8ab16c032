#include "demo/biographies.h"

#include <algorithm>
#include <set>
#include <string>

#include "reading/letter_index.h"
#include "demo/biography_names.h"
#include "demo/prose.h"
#include "demo/reading_files.h"

namespace ovta::demo {

namespace {

// Set 1, the companions: of the first generation, known by their tribes.
constexpr std::string_view kCompanionBirth[] = {
    "هو {N}، من أهل {T}، ولد قبل الهجرة ونشأ في قومه.",
    "وكان من وجوه قومه، معروفا بالكرم وصدق الحديث.",
    "ويذكر أصحاب السير أن كنيته غلبت عليه حتى عرف بها.",
    "وتنقل في شبابه مع القوافل بين الحجاز والشام.",
};
constexpr std::string_view kCompanionLife[] = {
    "أسلم في السنوات الأولى من الدعوة، وحسن إسلامه.",
    "وهاجر إلى المدينة، وشهد المشاهد مع المسلمين.",
    "وكان حريصا على مجالس العلم والسؤال عن أمور الدين.",
    "وعرف بين أصحابه بالزهد والعبادة ولين الجانب.",
};
constexpr std::string_view kCompanionPupils[] = {
    "أخذ عنه جماعة من التابعين، منهم {P} و{Q}.",
    "وكان أهل {T} يرجعون إليه فيما أشكل عليهم.",
    "وتناقل الناس عنه أخبارا في الصبر والوفاء.",
};
constexpr std::string_view kCompanionDeath[] = {
    "لم يترك كتابا، وإنما حفظت أخباره في كتب السير والتراجم.",
    "توفي سنة {E} للهجرة، وحزن الناس لموته.",
    "وقد جمع المؤرخون أخباره في تراجم الصحابة، رضي الله عنهم.",
};
// Set 2, the followers: the generation after, known by their towns.
constexpr std::string_view kFollowerBirth[] = {
    "هو {N}، من التابعين، ولد في {T} سنة {B} للهجرة.",
    "ونشأ في بيت عرف بالعلم والصلاح، فعني أبوه بتعليمه.",
    "واشتهر بنسبته إلى بلده، وبها يذكره أصحاب التراجم.",
};
constexpr std::string_view kFollowerStudy[] = {
    "أدرك جماعة من الصحابة وأخذ عنهم، وأقبل على العلم بهمة عالية.",
    "ورحل إلى الحجاز والعراق، ولقي كثيرا من أهل العلم.",
    "وعرف بين أقرانه بقوة الحفظ وحسن السمت.",
};
constexpr std::string_view kFollowerTeachers[] = {
    "أخذ عن {A} و{O}، وروى عنه {P} و{Q}.",
    "وجلس للتعليم في {T} فاجتمع حوله الطلاب.",
    "وأثنى عليه العلماء ووصفوه بالإتقان والأمانة.",
};
constexpr std::string_view kFollowerDeath[] = {
    "كان يكتب ما يسمعه، وجمع تلاميذه عنه أجزاء في {S}.",
    "توفي في {T} سنة {E} للهجرة عن {G} عاما، رحمه الله.",
    "وشهد جنازته جمع كبير من أهل العلم.",
};
// Set 3, the scholars of the later centuries.
constexpr std::string_view kScholarBirth[] = {
    "هو {N}، ينتسب إلى {T} التي ولد فيها ونشأ بين أهلها.",
    "ولد سنة {B} للهجرة في بيت عرف بالعلم والصلاح.",
    "وكان أبوه من أهل الفضل، فعني بتربيته وتعليمه منذ صغره.",
    "وتنقلت أسرته بين عدد من البلدان قبل أن تستقر في {T}.",
};
constexpr std::string_view kScholarStudy[] = {
    "حفظ القرآن الكريم في صباه، ثم أقبل على طلب العلم بهمة عالية.",
    "ورحل في طلب {S} إلى الحجاز والشام والعراق، ولقي كثيرا من أهل العلم.",
    "وعرف بين أقرانه بقوة الحفظ وسرعة الفهم.",
    "ولازم حلقات العلماء سنين طويلة حتى برع في {S}.",
};
constexpr std::string_view kScholarTeachers[] = {
    "أخذ عن جماعة من الشيوخ، منهم {A} و{O}.",
    "وتصدر للتدريس في {T} فاجتمع حوله الطلاب من البلدان.",
    "وروى عنه خلق كثير، منهم {P} و{Q}.",
};
constexpr std::string_view kScholarWorks[] = {
    "صنف في {S} كتبا نافعة، منها «{K}» و«{L}».",
    "وانتشرت مصنفاته في حياته، وتداولها العلماء بالنقل والشرح.",
    "توفي في {T} سنة {E} للهجرة عن {G} عاما، رحمه الله.",
};
constexpr std::string_view kFields[] = {"الحديث",  "الفقه",    "التفسير", "اللغة",
                                        "التاريخ", "القراءات", "الفرائض", "أصول الفقه"};
constexpr std::string_view kBooks[] = {
    "الجامع في {S}", "المختصر في {S}",   "الأصول في {S}",  "المسائل المهمة في {S}",
    "تحفة الطالب",   "الفوائد المنتقاة", "النكت والفوائد", "الأمالي"};

enum class Generation { Companions, Followers, Scholars };

struct Person {
    std::string title; // the list's caption
    const Nisba* nisba;
};

// `count` different names of letter `tag` for `generation`, in
// alphabetical order within the letter.
std::vector<Person> lettersNames(Prose& prose, Generation generation, int tag, int count)
{
    std::vector<std::string_view> firsts;
    for (auto name : firstNames(tag))
        if (generation == Generation::Scholars || !isHonorific(name))
            firsts.push_back(name);
    const auto fathers = fatherNames();
    const auto all = generation == Generation::Companions ? tribeNisbas() : townNisbas();
    std::set<std::string> seen;
    std::vector<Person> out;
    while (static_cast<int>(out.size()) < count) {
        const std::string first(prose.pick(firsts));
        const Nisba& n = all[static_cast<std::size_t>(prose.below(static_cast<int>(all.size())))];
        const std::string title =
            first + " بن " + std::string(prose.pick(fathers)) + " " + std::string(n.name);
        if (seen.insert(title).second)
            out.push_back({title, &n});
    }
    std::sort(out.begin(), out.end(),
              [](const Person& a, const Person& b) { return a.title < b.title; });
    return out;
}

// Sets 1 and 2: each letter from the entry its jump table gives.
std::vector<Person> alphabeticalSet(Prose& prose, int book, int size)
{
    const Generation generation = book == 1 ? Generation::Companions : Generation::Followers;
    std::vector<Person> set;
    for (int tag = 1; tag <= kLetterCount; ++tag) {
        const int start = letterEntry(book, tag);
        if (start == 0)
            continue;
        int next = size + 1;
        for (int later = tag + 1; later <= kLetterCount; ++later)
            if (letterEntry(book, later) != 0) {
                next = letterEntry(book, later);
                break;
            }
        const auto names = lettersNames(prose, generation, tag, next - start);
        set.insert(set.end(), names.begin(), names.end());
    }
    return set;
}

// Set 3: the scholars, alphabetical, with no letter index.
std::vector<Person> scholarSet(Prose& prose, int size)
{
    std::vector<Person> set;
    for (int tag = 1; tag <= kLetterCount && static_cast<int>(set.size()) < size; ++tag) {
        if (firstNames(tag).empty())
            continue;
        const int share = tag == 1 || tag == 18 || tag == 24 ? 12 : 4;
        const auto names = lettersNames(prose, Generation::Scholars, tag,
                                        std::min(share, size - static_cast<int>(set.size())));
        set.insert(set.end(), names.begin(), names.end());
    }
    return set;
}

struct Pools {
    std::span<const std::string_view> sections[4];
    int firstBirth, birthSpan;
};

Pools poolsOf(Generation g)
{
    switch (g) {
    case Generation::Companions:
        return {{kCompanionBirth, kCompanionLife, kCompanionPupils, kCompanionDeath}, 0, 1};
    case Generation::Followers:
        return {{kFollowerBirth, kFollowerStudy, kFollowerTeachers, kFollowerDeath}, 20, 60};
    default: return {{kScholarBirth, kScholarStudy, kScholarTeachers, kScholarWorks}, 150, 650};
    }
}

std::vector<Section> biography(Prose& prose, Generation g, const Person& p,
                               const std::vector<Person>& teachers,
                               const std::vector<Person>& pupils)
{
    auto someone = [&](const std::vector<Person>& from) {
        return from[static_cast<std::size_t>(prose.below(static_cast<int>(from.size())))].title;
    };
    const Pools pools = poolsOf(g);
    const int birth = pools.firstBirth + prose.below(pools.birthSpan);
    const int age = 45 + prose.below(45);
    const int death = g == Generation::Companions ? 10 + prose.below(50) : birth + age;
    Slots slots{{'N', p.title},
                {'T', std::string(p.nisba->town)},
                {'B', std::to_string(birth)},
                {'E', std::to_string(death)},
                {'G', std::to_string(age)},
                {'S', std::string(prose.pick(kFields))},
                {'A', someone(teachers)},
                {'O', someone(teachers)},
                {'P', someone(pupils)},
                {'Q', someone(pupils)}};
    slots['K'] = Prose::fill(prose.pick(kBooks), slots);
    slots['L'] = Prose::fill(prose.pick(kBooks), slots);
    std::vector<Section> sections;
    for (const auto& pool : pools.sections)
        sections.push_back(Prose::wrap(prose.paragraph(pool, 2 + prose.below(3), slots)));
    return sections;
}

void addSet(Prose& prose, Generation g, const std::vector<Person>& set,
            const std::vector<Person>& teachers, const std::vector<Person>& pupils,
            ArticleFiles& articles, std::string& topics, TitleData& titles)
{
    for (const Person& p : set) {
        auto sections = biography(prose, g, p, teachers, pupils);
        const int next = articles.count() + 1;
        if (next % 50 == 0)
            sections[2].clear(); // no teachers recorded
        int article = 0;
        if (next == 5) {
            article = articles.addFromStart(sections);
        } else if (next == 12) {
            std::vector<std::string> lines{p.title};
            for (const auto& s : sections)
                lines.insert(lines.end(), s.begin(), s.end());
            // The third pair points past the end of the article: its entry
            // is left out of the chooser.
            article = articles.addRaw(lines, {{60, 150}, {210, 150}, {500000, 80}, {360, 5000}});
        } else {
            article = articles.add(p.title, sections);
        }
        const auto [offset, length] = titles.add(p.title);
        topics += fields({article, offset, length});
    }
}

} // namespace

std::vector<DemoFile> biographyFiles()
{
    Prose prose(0x42494F47); // "BIOG"
    ArticleFiles articles(4);
    const auto companions = alphabeticalSet(prose, 1, kBiographySet1);
    const auto followers = alphabeticalSet(prose, 2, kBiographySet2);
    const auto scholars = scholarSet(prose, kBiographySet3);
    const struct {
        const char* topics;
        const char* titles;
        Generation generation;
        const std::vector<Person>& people;
        const std::vector<Person>& teachers;
        const std::vector<Person>& pupils;
    } sets[] = {
        {"data\\1kenor12", "data\\kenor11", Generation::Companions, companions, companions,
         followers},
        {"data\\1kenor14", "data\\kenor13", Generation::Followers, followers, companions,
         followers},
        {"data\\1kenor16", "data\\kenor15", Generation::Scholars, scholars, scholars, scholars},
    };
    std::vector<DemoFile> files;
    for (const auto& s : sets) {
        std::string topics;
        TitleData titles;
        addSet(prose, s.generation, s.people, s.teachers, s.pupils, articles, topics, titles);
        files.push_back({s.topics, topics});
        files.push_back({s.titles, titles.bytes()});
    }
    files.push_back({"data\\1kenor17", articles.locators()});
    files.push_back({"data\\1kenor18", articles.sectionList()});
    files.push_back({"data\\kenor19", articles.data()});
    return files;
}

} // namespace ovta::demo
