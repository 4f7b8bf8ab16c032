#include "demo/sects.h"

#include <string>

#include "demo/prose.h"
#include "demo/reading_files.h"

namespace ovta::demo {

namespace {

constexpr std::string_view kTitles[kSectCount] = {
    "المعتزلة", "الأشاعرة", "الماتريدية", "الخوارج",  "المرجئة",  "الجهمية",  "القدرية",
    "الكرامية", "الزيدية",  "الإباضية",   "الظاهرية", "الصوفية",  "الكلابية", "الجبرية",
    "المشبهة",  "الأزارقة", "النجدات",    "الصفرية",  "البكرية",  "الضرارية", "النجارية",
    "الهذيلية", "النظامية", "البهشمية",   "الجاحظية", "الخياطية",
};

// Every article speaks of how the books of doctrines describe a school, in
// words careful not to claim more than such books agree on.
constexpr std::string_view kDefinition[] = {
    "{T} اسم يطلق في كتب المقالات على جماعة عرفت بآراء خاصة في مسائل الاعتقاد.",
    "وقد عني العلماء بتعريفها وبيان أصولها في كتب الفرق والمقالات.",
    "ويختلف المصنفون في حدود هذا الاسم وما يدخل تحته من الطوائف.",
};
constexpr std::string_view kNaming[] = {
    "تذكر كتب المقالات أسبابا متعددة لهذه التسمية.",
    "فمنها ما يرجع إلى رجل نسبت إليه، ومنها ما يرجع إلى قول اشتهرت به.",
    "وقد تسمي الجماعة نفسها باسم غير الذي يعرفها به مخالفوها.",
};
constexpr std::string_view kOrigin[] = {
    "ارتبطت نشأتها بظروف فكرية وسياسية مرت بها الأمة في القرون الأولى.",
    "وكانت البصرة والكوفة من أكثر البلدان التي دارت فيها هذه المناظرات.",
    "وتطورت آراؤها مع الزمن بتعاقب أجيال من المنتسبين إليها.",
};
constexpr std::string_view kFounders[] = {
    "ينسب المصنفون تأسيس {T} إلى رجال عرفوا بالجدل والمناظرة.",
    "ويختلف المؤرخون في أول من قال بأصولها.",
    "وقد حفظت كتب التراجم أخبار عدد من رجالها الأوائل.",
};
constexpr std::string_view kBeliefs[] = {
    "تقوم {T} على أصول تميزها من غيرها في مسائل الأسماء والصفات والقدر والإيمان.",
    "ويعرض المصنفون هذه الأصول بعبارات أصحابها ثم يعقبون عليها بالمناقشة.",
    "وبعض هذه الأصول يشترك فيه أكثر من فرقة.",
};
constexpr std::string_view kBranches[] = {
    "تفرعت عنها طوائف اختلفت فيما بينها في بعض المسائل.",
    "ويذكر أصحاب المقالات أسماء هذه الطوائف وأقوالها باختصار.",
};
constexpr std::string_view kPlaces[] = {
    "انتشرت آراؤها في بلدان متفرقة من العالم الإسلامي.",
    "ثم قل أتباعها مع مرور الزمن، وبقيت آثارها في كتب العقائد.",
};
constexpr std::string_view kFigures[] = {
    "من أبرز المنتسبين إليها رجال عرفوا بالتأليف والمناظرة.",
    "وتحفظ كتب الطبقات أخبارهم ومصنفاتهم.",
};
constexpr std::string_view kBooks[] = {
    "ألف المنتسبون إليها كتبا في تقرير أصولهم، ضاع أكثرها.",
    "وبقي كثير من أقوالهم منقولا في كتب مخالفيهم.",
};
constexpr std::string_view kDiscussion[] = {
    "ناقش العلماء أصول {T} مناقشة علمية في كتب العقائد والمقالات.",
    "وبينوا ما فيها من موافقة أو مخالفة لما عليه جمهور الأمة.",
    "والمنهج العلمي في دراسة الفرق يقوم على العدل في النقل والإنصاف في الحكم.",
};

constexpr std::span<const std::string_view> kPools[] = {
    kDefinition, kNaming, kOrigin,  kFounders, kBeliefs,
    kBranches,   kPlaces, kFigures, kBooks,    kDiscussion,
};

} // namespace

std::vector<DemoFile> sectFiles()
{
    Prose prose(0x46495241); // "FIRA"
    ArticleFiles articles(10);
    std::string topics;
    TitleData titles;
    for (std::string_view title : kTitles) {
        const Slots slots{{'T', std::string(title)}};
        std::vector<Section> sections;
        for (const auto& pool : kPools)
            sections.push_back(Prose::wrap(prose.paragraph(pool, 1 + prose.below(3), slots)));
        const int next = articles.count() + 1;
        if (next % 4 == 0)
            sections[7].clear();
        if (next % 5 == 0)
            sections[5].clear();
        if (next == 6) {
            std::string run;
            while (run.size() < 9000)
                run +=
                    prose.paragraph(kPools[static_cast<std::size_t>(prose.below(10))], 3, slots) +
                    " ";
            sections[9] = {run};
        }
        const int article = articles.add(title, sections);
        const auto [offset, length] = titles.add(title);
        topics += fields({offset, length, article});
    }
    return {
        {"data\\1kenor84", topics},
        {"data\\kenor88", titles.bytes()},
        {"data\\1kenor86", articles.locators()},
        {"data\\1kenor85", articles.sectionList()},
        {"data\\kenor87", articles.data()},
    };
}

} // namespace ovta::demo
