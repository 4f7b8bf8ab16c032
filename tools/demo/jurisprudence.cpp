#include "demo/jurisprudence.h"

#include <string>

#include "demo/prose.h"
#include "demo/reading_files.h"

namespace ovta::demo {

namespace {

// The topics, by chapter ({B} in the sentences).
struct Topic {
    std::string_view title;
    std::string_view chapter;
};

constexpr Topic kTopics[] = {
    {"الوضوء", "الطهارة"},
    {"التيمم", "الطهارة"},
    {"المسح على الخفين والجوربين", "الطهارة"},
    {"الغسل", "الطهارة"},
    {"إزالة النجاسة", "الطهارة"},
    {"مواقيت الصلاة", "الصلاة"},
    {"الأذان والإقامة", "الصلاة"},
    {"شروط الصلاة", "الصلاة"},
    {"صلاة الجماعة", "الصلاة"},
    {"صلاة المسافر", "الصلاة"},
    {"صلاة الجمعة", "الصلاة"},
    {"صلاة العيدين", "الصلاة"},
    {"صلاة الكسوف", "الصلاة"},
    {"صلاة الاستسقاء", "الصلاة"},
    {"صلاة الجنازة", "الصلاة"},
    {"سجود السهو", "الصلاة"},
    {"زكاة الزروع والثمار", "الزكاة"},
    {"زكاة النقدين", "الزكاة"},
    {"زكاة عروض التجارة", "الزكاة"},
    {"صدقة الفطر", "الزكاة"},
    {"رؤية الهلال", "الصيام"},
    {"مفسدات الصيام", "الصيام"},
    {"صيام التطوع", "الصيام"},
    {"الاعتكاف", "الصيام"},
    {"المواقيت المكانية", "الحج"},
    {"الإحرام ومحظوراته", "الحج"},
    {"الطواف", "الحج"},
    {"السعي بين الصفا والمروة", "الحج"},
    {"الوقوف بعرفة", "الحج"},
    {"الهدي والأضحية", "الحج"},
    {"البيع وشروطه", "المعاملات"},
    {"الربا", "المعاملات"},
    {"السلم", "المعاملات"},
    {"الإجارة", "المعاملات"},
    {"الشركة", "المعاملات"},
    {"المضاربة", "المعاملات"},
    {"الرهن", "المعاملات"},
    {"الحوالة", "المعاملات"},
    {"الكفالة", "المعاملات"},
    {"الوكالة", "المعاملات"},
    {"الشفعة", "المعاملات"},
    {"المساقاة والمزارعة", "المعاملات"},
    {"إحياء الموات", "المعاملات"},
    {"اللقطة", "المعاملات"},
    {"الوقف", "المعاملات"},
    {"الهبة", "المعاملات"},
    {"الوصية", "المعاملات"},
    {"النكاح وأركانه", "الأسرة"},
    {"المهر", "الأسرة"},
    {"النفقة", "الأسرة"},
    {"الرضاع", "الأسرة"},
    {"الحضانة", "الأسرة"},
    {"الطلاق", "الأسرة"},
    {"الخلع", "الأسرة"},
    {"العدة", "الأسرة"},
    {"القصاص", "الجنايات"},
    {"الديات", "الجنايات"},
    {"الأيمان", "الأيمان والنذور"},
    {"النذر", "الأيمان والنذور"},
    {"الصيد والذبائح", "الأطعمة"},
    {"القضاء", "القضاء"},
    {"الشهادات", "القضاء"},
    {"الصلح", "القضاء"},
    {"العقيقة", "الأطعمة"},
};

constexpr std::string_view kDefinition[] = {
    "{T} في اللغة له معان متقاربة يجمعها معنى واحد.",
    "وفي الاصطلاح عرفه الفقهاء بتعريفات متقاربة في المعنى وإن اختلفت ألفاظها.",
    "ويذكره أهل العلم في باب {B} من كتب الفقه.",
    "ومن أحسن ما قيل في تعريفه ما جمع بين الإيجاز والوضوح.",
};
constexpr std::string_view kRuling[] = {
    "اتفق الفقهاء على مشروعية {T} في الجملة.",
    "واختلفوا في بعض تفاصيله تبعا لاختلافهم في فهم النصوص.",
    "ويختلف حكمه باختلاف الأحوال والأشخاص كما بينه أهل العلم.",
    "والأصل فيه التيسير ورفع الحرج عن المكلفين.",
};
constexpr std::string_view kEvidence[] = {
    "دلت على مشروعيته نصوص من الكتاب والسنة.",
    "وانعقد عليه إجماع أهل العلم في الجملة.",
    "واستدل له بعض الفقهاء بالقياس والنظر في المقاصد.",
    "ويذكر العلماء هذه الأدلة مفصلة في كتب أحاديث الأحكام.",
};
constexpr std::string_view kConditions[] = {
    "يشترط لصحة {T} شروط ذكرها الفقهاء في مواضعها.",
    "منها ما يتعلق بالشخص، ومنها ما يتعلق بالفعل نفسه.",
    "وإذا تخلف شرط منها لم يصح على قول جمهور أهل العلم.",
    "وبعض هذه الشروط محل خلاف بين المذاهب.",
};
constexpr std::string_view kOpinions[] = {
    "ذهب الحنفية إلى قول في هذه المسألة بنوه على أصولهم.",
    "وذهب المالكية إلى قول آخر استدلوا له بعمل أهل المدينة.",
    "وقال الشافعية بقول ثالث اعتمدوا فيه على ظاهر النصوص.",
    "ووافق الحنابلة بعض هذه الأقوال وخالفوا في بعض.",
};
constexpr std::string_view kPreference[] = {
    "والراجح من هذه الأقوال ما قويت أدلته وسلم من المعارض.",
    "وينبغي للمسلم أن يسأل أهل العلم فيما أشكل عليه من هذه المسائل.",
    "والخلاف في هذه المسألة من الخلاف السائغ الذي لا يعنف فيه المخالف.",
};
constexpr std::string_view kSummary[] = {
    "خلاصة القول أن {T} من مسائل باب {B} التي عني بها الفقهاء عناية كبيرة.",
    "ومعرفة أحكامه مما يحتاج إليه المسلم في حياته.",
    "ويرجع في تفاصيله إلى كتب الفقه المعتمدة في كل مذهب.",
};

constexpr std::span<const std::string_view> kPools[] = {
    kDefinition, kRuling, kEvidence, kConditions, kOpinions, kPreference, kSummary,
};

} // namespace

std::vector<DemoFile> jurisprudenceFiles()
{
    Prose prose(0x46495148); // "FIQH"
    ArticleFiles articles(7);
    std::string topics;
    TitleData titles;
    for (const Topic& t : kTopics) {
        const Slots slots{{'T', std::string(t.title)}, {'B', std::string(t.chapter)}};
        std::vector<Section> sections;
        for (const auto& pool : kPools)
            sections.push_back(Prose::wrap(prose.paragraph(pool, 2 + prose.below(3), slots)));
        const int next = articles.count() + 1;
        if (next % 9 == 0)
            sections[5].clear(); // no preference stated
        if (next == 20) {
            // One paragraph that was never broken into lines: longer than
            // the 4096 characters a line may show.
            std::string run;
            while (run.size() < 9000)
                run += prose.paragraph(kPools[static_cast<std::size_t>(prose.below(7))], 4, slots) +
                       " ";
            sections[6] = {run};
        }
        if (next == 33) {
            // A short article: all of it fits one window.
            for (std::size_t k = 1; k < sections.size(); ++k)
                sections[k].clear();
        }
        const int article = articles.add(t.title, sections);
        const auto [offset, length] = titles.add(t.title);
        topics += fields({offset, length, article});
    }
    return {
        {"data\\1kenor49", topics},
        {"data\\kenor490", titles.bytes()},
        {"data\\1kenor410", articles.locators()},
        {"data\\1kenor411", articles.sectionList()},
        {"data\\kenor48", articles.data()},
    };
}

} // namespace ovta::demo
